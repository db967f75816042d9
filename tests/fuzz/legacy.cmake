zek_add_fuzzer(legacy SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_legacy.cpp LIBS zek_io)
