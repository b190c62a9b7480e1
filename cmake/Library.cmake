# SPDX-License-Identifier: MIT
# aoba_library(NAME [MOC] [ROOT DIR] SOURCES ...): the static library of one folder, built from the files beside
# the CMakeLists.txt that calls it. Includes name their folder ("core/entry_store.h"), so src/ is the one include
# root of the program's libraries; the libraries outside src/ pass the project root ("catalogue/entry_check/cp932.h").
# MOC for the folders that declare Q_OBJECT classes.
function(aoba_library name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "MOC" "ROOT" "SOURCES")
  if(NOT ARG_ROOT)
    set(ARG_ROOT ${PROJECT_SOURCE_DIR}/src)
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${ARG_ROOT})
  set_target_properties(${name} PROPERTIES AUTOMOC ${ARG_MOC})
endfunction()
