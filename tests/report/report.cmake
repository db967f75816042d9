zek_add_gtest(test_report
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_report.cpp ${CMAKE_CURRENT_LIST_DIR}/test_selection.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_examples.cpp ${CMAKE_CURRENT_LIST_DIR}/test_diagramm.cpp
  LIBS zek_report)

