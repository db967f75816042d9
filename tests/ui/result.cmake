# The result view, printing glue and printer dialog are tested apart from the main
# window, on top of the dialog base.
if(ZEK_GUI AND ZEK_GUI_TESTS AND TARGET zek_ui_pages AND TARGET zek_print)
  file(GLOB zek_ui_result_sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/src/ui/result/*.cpp ${CMAKE_SOURCE_DIR}/src/ui/result/*.h)
  add_library(zek_ui_result STATIC EXCLUDE_FROM_ALL ${zek_ui_result_sources})
  target_include_directories(zek_ui_result PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(zek_ui_result PUBLIC zek_ui_pages zek_print zek_chart Qt6::Widgets Qt6::PrintSupport zek_print_system)

  zek_add_qtest(test_ui_result
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_result.cpp ${CMAKE_SOURCE_DIR}/tests/core/MapTexts.h
    LIBS zek_ui_result)
endif()
