zek_add_fuzzer(typfile SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_typfile.cpp LIBS zek_devices)
