# The help files, one per language, beside the executables.
set(ZEK_HELP_FILES zek_deu.hlp zek_eng.hlp zek_fra.hlp)
set(ZEK_HELP_OUTPUTS)
foreach(file ${ZEK_HELP_FILES})
  add_custom_command(OUTPUT ${ZEK_BIN_DIR}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_CURRENT_SOURCE_DIR}/help/${file} ${ZEK_BIN_DIR}/${file}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/help/${file}
    VERBATIM)
  list(APPEND ZEK_HELP_OUTPUTS ${ZEK_BIN_DIR}/${file})
endforeach()
add_custom_target(zek_help_files ALL DEPENDS ${ZEK_HELP_OUTPUTS})
set_property(GLOBAL APPEND PROPERTY ZEK_RUNTIME_FILES ${ZEK_HELP_OUTPUTS})
