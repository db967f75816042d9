zek_add_bench(core SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_core.cpp LIBS zek_core)
