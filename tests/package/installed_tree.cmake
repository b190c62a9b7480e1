# SPDX-License-Identifier: MIT
# Installs the Runtime component into a scratch prefix and checks that exactly the program, its desktop entry,
# its icons, its manual page, its AppStream metadata and its copyright and changelog land where a desktop and a
# distribution look for them, the icons at the sizes their folders claim.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/desktop_entry.cmake)

include(${CMAKE_CURRENT_LIST_DIR}/install_runtime.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/png_size.cmake)
install_runtime()

set(failures "")
desktop_entry_program(${DESKTOP_FILE} program)
desktop_entry_value(${DESKTOP_FILE} Icon icon)
get_filename_component(entry_name ${DESKTOP_FILE} NAME)

set(expected bin/${program} share/applications/${entry_name} share/icons/hicolor/scalable/apps/${icon}.svg
             share/man/man1/${program}.1.gz share/metainfo/${METAINFO_NAME} share/doc/${program}/copyright
             share/doc/${program}/changelog.gz)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${icon}.png)
endforeach()

file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
foreach(path IN LISTS expected)
  if(NOT path IN_LIST installed)
    string(APPEND failures "missing: ${path}\n")
  endif()
endforeach()
foreach(path IN LISTS installed)
  if(NOT path IN_LIST expected)
    string(APPEND failures "not expected: ${path}\n")
  endif()
endforeach()

file(SHA256 ${DESKTOP_FILE} source_hash)
if(EXISTS ${PREFIX}/share/applications/${entry_name})
  file(SHA256 ${PREFIX}/share/applications/${entry_name} installed_hash)
  if(NOT installed_hash STREQUAL source_hash)
    string(APPEND failures "the installed desktop entry differs from src/app/${entry_name}\n")
  endif()
endif()

foreach(size IN LISTS ICON_SIZES)
  set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${icon}.png)
  if(NOT EXISTS ${png})
    continue()
  endif()
  png_size(${png} width height)
  if(width EQUAL 0)
    string(APPEND failures "${png} is not a PNG\n")
  elseif(NOT width EQUAL size OR NOT height EQUAL size)
    string(APPEND failures "${png} is ${width}x${height}, its folder says ${size}x${size}\n")
  endif()
endforeach()

set(svg ${PREFIX}/share/icons/hicolor/scalable/apps/${icon}.svg)
if(EXISTS ${svg})
  file(READ ${svg} svg_text)
  if(NOT svg_text MATCHES "<svg[^>]* viewBox=\"0 0 ([0-9]+) ([0-9]+)\"" OR NOT CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2)
    string(APPEND failures "${svg} has no square viewBox\n")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
