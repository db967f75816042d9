# Cost of a page switch: creating, loading, storing and releasing each data page.
if(TARGET zek_ui_pages)
  zek_add_bench(pages SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_pages.cpp LIBS zek_ui_pages)
  # The scripted answers of the tests stand in for the user.
  target_include_directories(bench_pages PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
