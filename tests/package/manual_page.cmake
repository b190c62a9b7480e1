# SPDX-License-Identifier: MIT
# The manual page keeps up with the program and the package: every option --help lists is described, and
# every file the package installs is named under FILES (the PNG icons by one pattern for their sizes).
cmake_minimum_required(VERSION 3.25)

file(READ ${MANUAL_PAGE} page)
# Read as a reader does: groff's escaped hyphens as hyphens.
string(REPLACE "\\-" "-" page "${page}")
set(failures "")

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
                        ${PROGRAM} --help
                OUTPUT_VARIABLE help RESULT_VARIABLE code TIMEOUT 60)
string(REGEX MATCHALL "\n  (-[a-z], )?--[a-z-]+" options "${help}")
if(NOT code EQUAL 0 OR NOT options)
  message(FATAL_ERROR "${PROGRAM} --help lists no option (exit ${code}):\n${help}")
endif()
foreach(option IN LISTS options)
  string(REGEX REPLACE ".*(--[a-z-]+)$" "\\1" long "${option}")
  # An option is described where it heads an item of a list: ".TP" and then the option on a bold line.
  if(NOT page MATCHES "\n\\.TP\n\\.B[IR]? [^\n]*${long}[ \n\"]")
    string(APPEND failures "the manual page describes no ${long}\n")
  endif()
  if(option MATCHES "(-[a-z]), ")
    string(FIND "${page}" "${CMAKE_MATCH_1}" at)
    if(at LESS 0)
      string(APPEND failures "the manual page does not name ${CMAKE_MATCH_1}\n")
    endif()
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/install_runtime.cmake)
install_runtime()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
foreach(path IN LISTS installed)
  string(REGEX REPLACE "^/usr/(share/icons/hicolor)/[0-9]+x[0-9]+/" "/usr/\\1/*/" named "/usr/${path}")
  string(FIND "${page}" "\n.I ${named}\n" at)
  if(at LESS 0)
    string(APPEND failures "FILES does not name ${named}\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
