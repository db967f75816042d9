# The dialog base and the pages stand on their own: their tests build them apart from
# the rest of the desktop program, so they depend only on the layers below.
if(NOT TARGET zek_ui_pages AND ZEK_GUI AND ZEK_GUI_TESTS)
  file(GLOB zek_ui_pages_sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/src/ui/base/*.cpp ${CMAKE_SOURCE_DIR}/src/ui/base/*.h
       ${CMAKE_SOURCE_DIR}/src/ui/pages/*.cpp ${CMAKE_SOURCE_DIR}/src/ui/pages/*.h)
  add_library(zek_ui_pages STATIC EXCLUDE_FROM_ALL ${zek_ui_pages_sources})
  target_include_directories(zek_ui_pages PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(zek_ui_pages PUBLIC zek_core zek_i18n zek_io zek_devices zek_report Qt6::Widgets)
endif()

zek_add_qtest(test_ui_base
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_base.cpp ${CMAKE_SOURCE_DIR}/tests/core/MapTexts.h
  LIBS zek_ui_pages)
