if(TARGET zek_print)
  zek_add_bench(print SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_print.cpp LIBS zek_print)
endif()
