# The help window is built from its own sources so that the test needs no other window.
if(ZEK_GUI)
  zek_add_qtest(test_help_viewer
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_help_viewer.cpp ${CMAKE_SOURCE_DIR}/src/ui/help/HelpViewer.cpp
            ${CMAKE_SOURCE_DIR}/src/ui/help/HelpViewer.h
    LIBS zek_i18n Qt6::Widgets)
endif()
