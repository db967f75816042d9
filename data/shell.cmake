# The desktop program needs its texts and device tables beside it to start at all.
if(TARGET zek)
  foreach(dep zek_device_tables zek_language_texts zek_help_files zek_default_settings)
    if(TARGET ${dep})
      add_dependencies(zek ${dep})
    endif()
  endforeach()
endif()
