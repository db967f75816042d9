# The language texts: data/lang/<deu|eng|fra>/*.txt (UTF-8) packed into build/bin/Xalto.zip
# as Windows-1252 files under the program's password. The language modules are built by
# src/i18n/module into the same folder.
file(GLOB_RECURSE ZEK_LANG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/lang/*.txt)
add_custom_command(OUTPUT ${ZEK_BIN_DIR}/Xalto.zip
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:zek-langpack> ${ZEK_BIN_DIR}/Xalto.zip ${CMAKE_CURRENT_SOURCE_DIR}/lang
  DEPENDS zek-langpack ${ZEK_LANG_SOURCES}
  COMMENT "Packing the language texts into Xalto.zip"
  VERBATIM)
add_custom_target(zek_language_texts ALL DEPENDS ${ZEK_BIN_DIR}/Xalto.zip zek_language_modules)
set_property(GLOBAL APPEND PROPERTY ZEK_RUNTIME_FILES ${ZEK_BIN_DIR}/Xalto.zip)

# The programs read their texts at start-up; building one of them alone brings the texts along.
foreach(program zek zek-cli)
  if(TARGET ${program})
    add_dependencies(${program} zek_language_texts)
  endif()
endforeach()
