# SPDX-License-Identifier: MIT
# The desktop entry must start the program by its installed name (through PATH, so the entry works for any
# prefix), and its file name must be the desktop file name the program announces, or a desktop cannot tie the
# running window to the entry's name and icon.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/desktop_entry.cmake)

string(REGEX REPLACE "\\.exe$" "" program "${PROGRAM}")
desktop_entry_program(${DESKTOP_FILE} exec_program)
if(NOT exec_program STREQUAL program)
  message(FATAL_ERROR "Exec starts '${exec_program}', the program is installed as '${program}'")
endif()
desktop_entry_value(${DESKTOP_FILE} TryExec try_exec)
if(NOT try_exec STREQUAL program)
  message(FATAL_ERROR "TryExec names '${try_exec}', the program is installed as '${program}'")
endif()

file(READ ${MAIN_SOURCE} main_text)
if(NOT main_text MATCHES "setDesktopFileName\\(QStringLiteral\\(\"([^\"]+)\"\\)\\)")
  message(FATAL_ERROR "${MAIN_SOURCE} no longer sets the desktop file name")
endif()
set(announced "${CMAKE_MATCH_1}")
get_filename_component(entry_name ${DESKTOP_FILE} NAME)
if(NOT entry_name STREQUAL "${announced}.desktop")
  message(FATAL_ERROR "the program announces '${announced}', the entry is called '${entry_name}'")
endif()
