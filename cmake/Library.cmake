# SPDX-License-Identifier: MIT
# aoba_library(NAME [MOC] SOURCES ...): the static library of one folder, built from the files beside the
# CMakeLists.txt that calls it. Includes name their folder ("core/entry_store.h"), so the project root is the
# one public include directory. MOC for the folders that declare Q_OBJECT classes.
function(aoba_library name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "MOC" "" "SOURCES")
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES AUTOMOC ${ARG_MOC})
endfunction()
