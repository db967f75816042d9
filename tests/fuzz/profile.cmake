zek_add_fuzzer(profile SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_profile.cpp LIBS zek_io)
