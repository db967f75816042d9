zek_add_bench(io SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_io.cpp LIBS zek_io)
