zek_add_bench(report SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_report.cpp LIBS zek_report)
target_compile_definitions(bench_report PRIVATE ZEK_BENCH_BIN_DIR="${ZEK_BIN_DIR}")
add_dependencies(bench_report zek_language_texts zek_device_tables zek_default_settings)
