zek_add_gtest(test_help SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_help.cpp LIBS zek_i18n)
