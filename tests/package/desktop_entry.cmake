# SPDX-License-Identifier: MIT
# Reads one key of the [Desktop Entry] group (the only group the entry has).
# file(STRINGS) is not used: it would split values such as Categories at their semicolons.
function(desktop_entry_value file key out)
  file(READ ${file} text)
  string(REGEX MATCH "(^|\n)${key}=([^\n]*)" line "${text}")
  if(NOT line)
    message(FATAL_ERROR "${file} has no ${key}= line")
  endif()
  set(${out} "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()

# The program an Exec line starts, without its arguments.
function(desktop_entry_program file out)
  desktop_entry_value(${file} Exec exec)
  string(REGEX REPLACE " .*" "" program "${exec}")
  set(${out} "${program}" PARENT_SCOPE)
endfunction()
