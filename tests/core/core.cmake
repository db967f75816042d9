zek_add_gtest(test_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_project.cpp ${CMAKE_CURRENT_LIST_DIR}/test_cabinet.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_losses.cpp ${CMAKE_CURRENT_LIST_DIR}/test_cp1252.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_loaded_library.cpp
  LIBS zek_core)
