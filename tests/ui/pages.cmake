zek_add_qtest(test_ui_pages
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_pages.cpp ${CMAKE_CURRENT_LIST_DIR}/PageFixture.h
  LIBS zek_ui_pages)

zek_add_qtest(test_ui_page_texts
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_page_texts.cpp ${CMAKE_CURRENT_LIST_DIR}/PageFixture.h
  LIBS zek_ui_pages)

# From a new project through every page to the result, in the desktop program itself.
zek_add_qtest(test_ui_pages_e2e
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_pages_e2e.cpp
  LIBS zek_ui)
