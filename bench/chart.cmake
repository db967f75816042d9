if(TARGET zek_chart)
  zek_add_bench(chart SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_chart.cpp LIBS zek_chart zek_io)
  target_compile_definitions(bench_chart PRIVATE ZEK_BENCH_BIN_DIR="${ZEK_BIN_DIR}")
  add_dependencies(bench_chart zek_language_texts zek_device_tables zek_default_settings)

  # Not shipped: writes the pictures of docs/ (build/bench/chart_pictures docs).
  add_executable(chart_pictures ${CMAKE_CURRENT_LIST_DIR}/chart_pictures.cpp)
  target_link_libraries(chart_pictures PRIVATE zek_chart zek_io)
  target_compile_definitions(chart_pictures PRIVATE ZEK_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                                    ZEK_BENCH_BIN_DIR="${ZEK_BIN_DIR}")
  set_target_properties(chart_pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  add_dependencies(chart_pictures zek_language_texts zek_device_tables zek_default_settings)
endif()
