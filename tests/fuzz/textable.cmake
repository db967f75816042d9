zek_add_fuzzer(textable SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_textable.cpp LIBS zek_i18n)
