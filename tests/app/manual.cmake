# The manual pages against the programs' help, and --version.
if(TARGET zek_manual_pages)
  zek_add_gtest(test_manual SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_manual.cpp LIBS Qt6::Core)
  target_compile_definitions(test_manual PRIVATE ZEK_MAN_DIR="${ZEK_MAN_DIR}" ZEK_VERSION="${PROJECT_VERSION}")
  add_dependencies(test_manual zek_manual_pages)
endif()
