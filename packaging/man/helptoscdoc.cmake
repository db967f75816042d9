# Writes a manual page from the help that a program prints, so that the page and
# "--help" say the same: the template's placeholders are replaced by what the program's
# help gives, and scdoc turns the result into a page.
#
#   cmake -DPROGRAM=path -DTEMPLATE=zek-cli.1.scd.in -DSCDOC=path -DOUTPUT=zek-cli.1
#         -DDATE_EPOCH=seconds -P helptoscdoc.cmake
#
# Placeholders: @SYNOPSIS@, @DESCRIPTION@, @OPTIONS@ (of the program's own help) and, for
# a program with commands, @COMMANDS@ (every command's usage, description and options) and
# @EXIT_STATUS@. A help without the parts the template asks for is an error: a page with
# a gap is never written.
cmake_minimum_required(VERSION 3.25)

# Runs the program with the arguments; `out` gets its standard output.
function(help_of out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
                          ${PROGRAM} ${ARGN}
                  OUTPUT_VARIABLE text RESULT_VARIABLE code)
  if(NOT code EQUAL 0 OR text STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} ${ARGN} gave no help (exit code ${code})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# scdoc marks bold, underline and escapes with these characters.
function(escape out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "*" "\\*" text "${text}")
  string(REPLACE "_" "\\_" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# "--data-dir DIR", "-h, --help", "help COMMAND", "0": each name bold, its value underlined.
function(item_name out name)
  string(REPLACE ", " ";" alternatives "${name}")
  set(parts)
  foreach(alternative ${alternatives})
    string(REPLACE " " ";" words "${alternative}")
    list(POP_FRONT words first)
    escape(first "${first}")
    set(part "*${first}*")
    foreach(word ${words})
      escape(word "${word}")
      string(APPEND part " _${word}_")
    endforeach()
    list(APPEND parts "${part}")
  endforeach()
  list(JOIN parts ", " joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

# Splits a help into its parts: HELP_USAGE (the line after "usage: "), HELP_DESCRIPTION
# (paragraphs before the first block) and one variable per block ("options:" gives
# HELP_OPTIONS, "commands:" HELP_COMMANDS, "exit codes:" HELP_EXIT_CODES) holding scdoc
# items; HELP_NAMES_<block> lists the items' first words.
macro(parse_help text)
  # Lines as a list; semicolons and brackets of the text would split or join its
  # elements, so they travel as marks.
  string(REPLACE ";" "<semicolon>" _lines "${text}")
  string(REPLACE "[" "<lbracket>" _lines "${_lines}")
  string(REPLACE "]" "<rbracket>" _lines "${_lines}")
  string(REPLACE "\n" ";" _lines "${_lines}")
  set(HELP_USAGE "")
  set(HELP_DESCRIPTION "")
  set(_block "")
  set(_paragraph "")
  foreach(_var OPTIONS COMMANDS EXIT_CODES)
    set(HELP_${_var} "")
    set(HELP_NAMES_${_var} "")
  endforeach()
  foreach(_line IN LISTS _lines)
    if(_line MATCHES "^usage: (.*)$")
      set(HELP_USAGE "${CMAKE_MATCH_1}")
    elseif(_line MATCHES "^([a-z ]+):$")
      string(TOUPPER "${CMAKE_MATCH_1}" _block)
      string(REPLACE " " "_" _block "${_block}")
    elseif(_block STREQUAL "" AND NOT HELP_USAGE STREQUAL "")
      if(_line STREQUAL "")
        if(NOT _paragraph STREQUAL "")
          escape(_paragraph "${_paragraph}")
          string(APPEND HELP_DESCRIPTION "${_paragraph}\n\n")
          set(_paragraph "")
        endif()
      elseif(_paragraph STREQUAL "")
        set(_paragraph "${_line}")
      else()
        string(APPEND _paragraph " ${_line}")
      endif()
    elseif(_line MATCHES "^  ([^ ]+( [^ ]+)*)  +([^ ].*)$")
      # A new item: its name (words apart by one blank), two or more blanks, its text.
      item_name(_name "${CMAKE_MATCH_1}")
      escape(_text "${CMAKE_MATCH_3}")
      string(APPEND HELP_${_block} "\n${_name}\n\t${_text}")
      string(REGEX REPLACE "[ ,].*" "" _first "${CMAKE_MATCH_1}")
      list(APPEND HELP_NAMES_${_block} "${_first}")
    elseif(_line MATCHES "^    +([^ ].*)$")
      # The text of the item goes on.
      escape(_text "${CMAKE_MATCH_1}")
      string(APPEND HELP_${_block} " ${_text}")
    endif()
  endforeach()
  foreach(_var OPTIONS COMMANDS EXIT_CODES)
    string(REPLACE "\n*" "\n\n*" HELP_${_var} "${HELP_${_var}}")
    string(STRIP "${HELP_${_var}}" HELP_${_var})
  endforeach()
  string(STRIP "${HELP_DESCRIPTION}" HELP_DESCRIPTION)
endmacro()

# "zek-cli report PROJECT [--fax]": the program (and command) bold, the rest as it stands.
function(usage_line out usage words)
  math(EXPR others "${words} - 1")
  string(REPEAT " [^ ]+" ${others} more)
  if(NOT usage MATCHES "^([^ ]+${more}) (.*)$")
    message(FATAL_ERROR "${PROGRAM}: the usage line '${usage}' has no operands")
  endif()
  escape(tail "${CMAKE_MATCH_2}")
  set(${out} "*${CMAKE_MATCH_1}* ${tail}" PARENT_SCOPE)
endfunction()

function(require what value)
  if("${value}" STREQUAL "")
    message(FATAL_ERROR "${PROGRAM}: the help has no ${what}, which ${TEMPLATE} needs")
  endif()
endfunction()

file(READ ${TEMPLATE} page)
help_of(program_help --help)
parse_help("${program_help}")
require("usage line" "${HELP_USAGE}")
require("options" "${HELP_OPTIONS}")
usage_line(SYNOPSIS "${HELP_USAGE}" 1)
set(DESCRIPTION "${HELP_DESCRIPTION}")
set(OPTIONS "${HELP_OPTIONS}")
set(EXIT_STATUS "${HELP_EXIT_CODES}")
set(program_commands "${HELP_NAMES_COMMANDS}")

if(page MATCHES "@COMMANDS@")
  require("commands" "${program_commands}")
  require("exit codes" "${EXIT_STATUS}")
  set(COMMANDS "")
  set(lines "")
  foreach(command ${program_commands})
    if(command STREQUAL "help")
      continue()
    endif()
    help_of(command_help ${command} --help)
    parse_help("${command_help}")
    require("usage line of ${command}" "${HELP_USAGE}")
    require("options of ${command}" "${HELP_OPTIONS}")
    usage_line(usage "${HELP_USAGE}" 2)
    list(APPEND lines "${usage}")
    string(APPEND COMMANDS "## ${command}\n\n${usage}\n\n${HELP_DESCRIPTION}\n\n${HELP_OPTIONS}\n\n")
  endforeach()
  list(APPEND lines "${SYNOPSIS}")
  list(JOIN lines "++\n" SYNOPSIS)
  string(STRIP "${COMMANDS}" COMMANDS)
endif()

string(CONFIGURE "${page}" page @ONLY)
string(REPLACE "<semicolon>" ";" page "${page}")
string(REPLACE "<lbracket>" "[" page "${page}")
string(REPLACE "<rbracket>" "]" page "${page}")
file(WRITE ${OUTPUT}.scd "${page}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${DATE_EPOCH} ${SCDOC}
                INPUT_FILE ${OUTPUT}.scd OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "scdoc could not read ${OUTPUT}.scd")
endif()
