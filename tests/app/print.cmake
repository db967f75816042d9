# zek-cli report --pdf, run as the user runs it, checked with poppler's tools.
if(TARGET zek_print)
  zek_add_gtest(test_cli_pdf SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cli_pdf.cpp LIBS Qt6::Core)
  add_dependencies(test_cli_pdf zek-cli)
endif()
