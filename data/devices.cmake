# The device tables, one per language, beside the executables.
set(ZEK_DEVICE_TABLES zkdeu.TYP zkeng.TYP zkfra.TYP)
set(ZEK_DEVICE_TABLE_OUTPUTS)
foreach(table ${ZEK_DEVICE_TABLES})
  add_custom_command(OUTPUT ${ZEK_BIN_DIR}/${table}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_CURRENT_SOURCE_DIR}/${table} ${ZEK_BIN_DIR}/${table}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${table}
    VERBATIM)
  list(APPEND ZEK_DEVICE_TABLE_OUTPUTS ${ZEK_BIN_DIR}/${table})
endforeach()
add_custom_target(zek_device_tables ALL DEPENDS ${ZEK_DEVICE_TABLE_OUTPUTS})
set_property(GLOBAL APPEND PROPERTY ZEK_RUNTIME_FILES ${ZEK_DEVICE_TABLE_OUTPUTS})
