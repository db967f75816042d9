zek_add_gtest(test_i18n
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_texttable.cpp ${CMAKE_CURRENT_LIST_DIR}/test_language.cpp
  LIBS zek_i18n PkgConfig::LIBZIP)
add_dependencies(test_i18n zek_language_modules)

# The shipped texts in build/bin: completeness across languages and the code, and fit.
zek_add_gtest(test_language_texts SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_language_texts.cpp LIBS zek_i18n)
add_dependencies(test_language_texts zek_language_texts)
