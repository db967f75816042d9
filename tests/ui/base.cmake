zek_add_qtest(test_ui_base
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_base.cpp ${CMAKE_CURRENT_LIST_DIR}/FakeTexts.h
  LIBS zek_ui)
