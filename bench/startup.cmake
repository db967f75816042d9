# Start-up of the desktop program against an empty Qt Widgets window, both timed from
# process start until their window is shown (each quits right then).
if(TARGET zek)
  add_executable(bench_startup_empty_window ${CMAKE_CURRENT_LIST_DIR}/startup_empty_window.cpp)
  target_link_libraries(bench_startup_empty_window PRIVATE Qt6::Widgets)
  set_target_properties(bench_startup_empty_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

  zek_add_bench(startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp LIBS Qt6::Core)
  target_compile_definitions(bench_startup PRIVATE ZEK_BENCH_BIN_DIR="${ZEK_BIN_DIR}"
                             ZEK_BENCH_EMPTY_WINDOW="$<TARGET_FILE:bench_startup_empty_window>")
  # zek-cli, from process start to its end, against a process that only creates a
  # QCoreApplication.
  add_executable(bench_startup_core_app ${CMAKE_CURRENT_LIST_DIR}/startup_core_app.cpp)
  target_link_libraries(bench_startup_core_app PRIVATE Qt6::Core)
  set_target_properties(bench_startup_core_app PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_compile_definitions(bench_startup PRIVATE ZEK_BENCH_CORE_APP="$<TARGET_FILE:bench_startup_core_app>")
  add_dependencies(bench_startup zek zek-cli bench_startup_empty_window bench_startup_core_app)
endif()
