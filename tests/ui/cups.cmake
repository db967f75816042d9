# Printing through a CUPS scheduler of the test's own, with two PDF queues. A run prints a
# dozen jobs through cups-pdf; nothing in it may wait longer than the timeout.
if(TARGET zek_ui AND TARGET Cups::Cups)
  zek_add_qtest(test_ui_cups
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cups.cpp ${CMAKE_CURRENT_LIST_DIR}/PrivateCups.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PrivateCups.h ${CMAKE_SOURCE_DIR}/tests/report/PdfText.h
    LIBS zek_ui Cups::Cups)
  if(TEST test_ui_cups)
    set_tests_properties(test_ui_cups PROPERTIES TIMEOUT 300)
  endif()
endif()
