# The settings of a fresh installation, read while there is no ZEK.INI yet.
add_custom_command(OUTPUT ${ZEK_BIN_DIR}/ZEK.DEF
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_CURRENT_SOURCE_DIR}/ZEK.DEF ${ZEK_BIN_DIR}/ZEK.DEF
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ZEK.DEF
  VERBATIM)
add_custom_target(zek_default_settings ALL DEPENDS ${ZEK_BIN_DIR}/ZEK.DEF)
set_property(GLOBAL APPEND PROPERTY ZEK_RUNTIME_FILES ${ZEK_BIN_DIR}/ZEK.DEF)
foreach(program zek zek-cli)
  if(TARGET ${program})
    add_dependencies(${program} zek_default_settings)
  endif()
endforeach()
