zek_add_gtest(test_report
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_report.cpp ${CMAKE_CURRENT_LIST_DIR}/test_selection.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_examples.cpp ${CMAKE_CURRENT_LIST_DIR}/test_diagramm.cpp
  LIBS zek_report)

# The command line as the user runs it (needs zek-cli and the data in the bin folder).
zek_add_gtest(test_report_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cli_report.cpp LIBS Qt6::Core)
if(TARGET zek-cli)
  add_dependencies(test_report_cli zek-cli)
endif()
