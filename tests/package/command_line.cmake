# SPDX-License-Identifier: MIT
# The built program on a machine without a display: every answer of the command line must come without one,
# so DISPLAY and WAYLAND_DISPLAY are removed and the platform is xcb, which aborts if a window is attempted.
# Entries are compared with the files in data/, the program's version with the project's. EMULATOR runs a
# program built for another system (Wine for Windows).
cmake_minimum_required(VERSION 3.25)

set(failures "")

# Lines end as text does on the program's system: LF, or CR LF on Windows, every line, no other CR. CMake
# drops a CR before LF when it reads text, so the bytes are counted in hex, and out and err hold the text
# with LF alone. On Windows a file gets the code page of the console, or without one the OEM code page: 932
# here, in the Japanese locale the test runs in, decoded with iconv's table of it (ICONV).
function(read_output file out)
  if(PROGRAM MATCHES "\\.exe$")
    execute_process(COMMAND ${ICONV} -f CP932 -t UTF-8 ${file} OUTPUT_FILE ${file}.utf8 RESULT_VARIABLE failed)
    if(failed)
      string(APPEND failures "not code page 932: ${file}\n")
    endif()
    file(RENAME ${file}.utf8 ${file})
  endif()
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
  string(REGEX MATCHALL "0d 0a " crlf " ${hex}")
  string(REGEX MATCHALL " 0a " lf " ${hex}")
  string(REGEX MATCHALL " 0d " cr " ${hex}")
  list(LENGTH crlf crlf)
  list(LENGTH lf lf)
  list(LENGTH cr cr)
  file(READ ${file} text)
  if(PROGRAM MATCHES "\\.exe$" AND (NOT crlf EQUAL lf OR NOT cr EQUAL crlf))
    string(APPEND failures "lines not all ended by CR LF: ${text}\n")
  elseif(NOT PROGRAM MATCHES "\\.exe$" AND cr GREATER 0)
    string(APPEND failures "a CR in the output: ${text}\n")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Sets out, err and code in the caller's scope.
macro(run)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
                          ${EMULATOR} ${PROGRAM} ${ARGV}
                  RESULT_VARIABLE code TIMEOUT 60
                  OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/command-line.out
                  ERROR_FILE ${CMAKE_CURRENT_BINARY_DIR}/command-line.err)
  read_output(${CMAKE_CURRENT_BINARY_DIR}/command-line.out out)
  read_output(${CMAKE_CURRENT_BINARY_DIR}/command-line.err err)
endmacro()

function(entry_as_printed n out)
  string(LENGTH "00${n}" length)
  math(EXPR start "${length} - 3")
  string(SUBSTRING "00${n}" ${start} 3 name)
  file(READ ${DATA_DIR}/${name}.txt text)
  string(REPLACE "\r\n" "\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

foreach(option --help -h)
  run(${option})
  if(NOT code EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^Usage: [^\n]*aoba-search(\\.exe)? \\[options\\]\n")
    string(APPEND failures "${option}: exit 0 and the usage on stdout expected\n  exit ${code}\n  ${out}${err}\n")
  endif()
  foreach(listed "-h, --help" "-v, --version" "--show <N>" "--month <YY/MM>" "--search <TEXT>")
    string(FIND "${out}" "\n  ${listed} " at)
    if(at LESS 0)
      string(APPEND failures "${option} does not list ${listed}\n")
    endif()
  endforeach()
  if(out MATCHES "platform|qwindow")
    string(APPEND failures "${option} lists Qt's window options, which belong to Qt\n")
  endif()
endforeach()

foreach(option --version -v)
  run(${option})
  if(NOT code EQUAL 0 OR NOT out STREQUAL "aoba-search ${VERSION}\n" OR NOT err STREQUAL "")
    string(APPEND failures "${option}: 'aoba-search ${VERSION}' expected\n  exit ${code}\n  ${out}${err}\n")
  endif()
endforeach()

foreach(wrong "--bogus" "-x" "stray" "--show")
  run(${wrong})
  if(NOT code EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^aoba-search: [^\n]+\n[^\n]+\n$")
    string(APPEND failures "${wrong}: exit 2 and an error on stderr expected\n  exit ${code}\n  ${out}${err}\n")
  endif()
endforeach()
run(--bogus)
if(NOT err MATCHES "bogus")
  string(APPEND failures "the error for --bogus does not name it: ${err}\n")
endif()

foreach(n 1 156 381 382)
  run(--show ${n})
  entry_as_printed(${n} expected)
  if(NOT code EQUAL 0 OR NOT out STREQUAL expected OR NOT err STREQUAL "")
    string(APPEND failures "--show ${n}: data/ entry ${n} with LF line ends expected\n  exit ${code}\n  ${out}${err}\n")
  endif()
endforeach()
run(--month 77/06)
entry_as_printed(54 expected)
if(NOT code EQUAL 0 OR NOT out STREQUAL expected)
  string(APPEND failures "--month 77/06: entry 54 expected\n  exit ${code}\n  ${out}${err}\n")
endif()

foreach(refused "--show;0" "--show;383" "--month;72/12" "--month;04/08" "--search=")
  run(${refused})
  if(NOT code EQUAL 2 OR NOT out STREQUAL "" OR err STREQUAL "" OR err MATCHES "\r")
    string(APPEND failures "${refused}: exit 2 and the refusal on stderr with LF expected\n  exit ${code}\n  ${out}${err}\n")
  endif()
endforeach()

run(--show 383)
if(NOT err MATCHES "1から382")
  string(APPEND failures "--show 383: the refusal must name 1 to 382, the range --show takes\n  ${err}\n")
endif()

run(--search 56号)
if(NOT code EQUAL 0 OR NOT out MATCHES "^56\t[^\n]+\n156\t[^\n]+\n256\t[^\n]+\n356\t[^\n]+\n$")
  string(APPEND failures "--search 56号: issues 56, 156, 256 and 356 expected\n  exit ${code}\n  ${out}${err}\n")
endif()
run(--search 付録)
if(NOT code EQUAL 1 OR NOT out STREQUAL "" OR err STREQUAL "")
  string(APPEND failures "--search 付録: exit 1, nothing on stdout, the notice on stderr\n  exit ${code}\n  ${out}${err}\n")
endif()

# An answer that could not be written is not an answer: a full disk gives the exit code of a refusal.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY ${EMULATOR} ${PROGRAM} --show 1
                RESULT_VARIABLE code TIMEOUT 60 OUTPUT_FILE /dev/full)
if(NOT code EQUAL 2)
  string(APPEND failures "--show 1 into a full disk: exit 2 expected, not ${code}\n")
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
