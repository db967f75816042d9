zek_add_fuzzer(help SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_help.cpp LIBS zek_i18n)
