# The wizard's moves need no window: the navigation is tested on its own.
zek_add_gtest(test_ui_navigation
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_navigation.cpp ${CMAKE_SOURCE_DIR}/src/ui/Navigation.cpp
  LIBS Qt6::Core)
target_include_directories(test_ui_navigation PRIVATE ${CMAKE_SOURCE_DIR}/src)
