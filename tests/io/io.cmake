zek_add_gtest(test_io
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_profile.cpp ${CMAKE_CURRENT_LIST_DIR}/test_project_file.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_settings_file.cpp ${CMAKE_CURRENT_LIST_DIR}/test_legacy_import.cpp
  LIBS zek_io)

