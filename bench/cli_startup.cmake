# zek-cli from process start to its end, against a process that only creates a QCoreApplication.
if(TARGET zek-cli)
  add_executable(bench_startup_core_app ${CMAKE_CURRENT_LIST_DIR}/startup_core_app.cpp)
  target_link_libraries(bench_startup_core_app PRIVATE Qt6::Core)
  set_target_properties(bench_startup_core_app PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

  zek_add_bench(cli_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_cli_startup.cpp LIBS Qt6::Core)
  target_compile_definitions(bench_cli_startup PRIVATE ZEK_BENCH_BIN_DIR="${ZEK_BIN_DIR}"
                             ZEK_BENCH_CORE_APP="$<TARGET_FILE:bench_startup_core_app>")
  add_dependencies(bench_cli_startup zek-cli bench_startup_core_app)
endif()
