zek_add_gtest(test_devices
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_devicetable.cpp ${CMAKE_CURRENT_LIST_DIR}/test_balance.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_catalogue.cpp
  LIBS zek_devices)

# The command line runs on the shipped catalogue beside the executables.
if(TARGET zek-cli AND TARGET zek_io)
  zek_add_gtest(test_balance_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_balance_cli.cpp LIBS zek_devices zek_io)
  add_dependencies(test_balance_cli zek-cli zek_device_tables)
endif()
