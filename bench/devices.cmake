zek_add_bench(devices SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_devices.cpp LIBS zek_devices)
