zek_add_fuzzer(report SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_report.cpp LIBS zek_report)
