# zek-cli run as a script runs it, on files the tests make.
if(TARGET zek-cli)
  zek_add_gtest(test_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cli.cpp LIBS Qt6::Core)
  add_dependencies(test_cli zek-cli)
endif()
