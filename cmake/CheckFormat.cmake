# SPDX-License-Identifier: MIT
# cmake -DCLANG_FORMAT=... -DSOURCE_DIR=... -P CheckFormat.cmake
# Fails when any C++ file of the tree differs from what clang-format makes of it, and names the files.
# The policies of this version: links are not followed (a Wine prefix in a build folder links to /).
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
list(FILTER sources EXCLUDE REGEX "^(build[^/]*|\\.cache)/")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]+: (warning|error): code should be clang-formatted" lines "${errors}")
  list(TRANSFORM lines REPLACE ":[0-9]+:[0-9]+: .*" "")
  list(REMOVE_DUPLICATES lines)
  list(JOIN lines "\n  " files)
  message(FATAL_ERROR "Not formatted (run clang-format -i on them):\n  ${files}")
endif()
