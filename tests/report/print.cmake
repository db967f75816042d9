if(TARGET zek_print)
  zek_add_gtest(test_print
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_print.cpp ${CMAKE_CURRENT_LIST_DIR}/test_chart.cpp
    LIBS zek_print zek_chart)
endif()
