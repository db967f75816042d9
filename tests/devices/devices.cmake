zek_add_gtest(test_devices
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_devicetable.cpp ${CMAKE_CURRENT_LIST_DIR}/test_balance.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_catalogue.cpp
  LIBS zek_devices)

