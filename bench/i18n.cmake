zek_add_bench(i18n SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_i18n.cpp LIBS zek_i18n)
target_compile_definitions(bench_i18n PRIVATE ZEK_BENCH_BIN_DIR="${ZEK_BIN_DIR}")
add_dependencies(bench_i18n zek_language_texts)
