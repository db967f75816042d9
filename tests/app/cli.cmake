# zek-cli run as a script runs it, on files the tests make and on the examples.
if(TARGET zek-cli)
  zek_add_gtest(test_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cli.cpp ${CMAKE_CURRENT_LIST_DIR}/Cli.h
                LIBS Qt6::Core)
  add_dependencies(test_cli zek-cli)
  # Its results against those of the library, on the shipped catalogue.
  if(TARGET zek_io)
    zek_add_gtest(test_cli_results SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cli_results.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/Cli.h LIBS zek_devices zek_io)
    add_dependencies(test_cli_results zek-cli zek_device_tables)
  endif()
endif()
