# The desktop shell: question box, start-up, main window, project commands.
zek_add_qtest(test_ui_shell
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_shell.cpp ${CMAKE_CURRENT_LIST_DIR}/DesktopStart.h
           ${CMAKE_CURRENT_LIST_DIR}/FormChecks.h
  LIBS zek_ui)
