# SPDX-License-Identifier: MIT
# The .deb as a distribution's packager sees it: lintian must find no error and no warning. Its notes are
# shown, not counted.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/make_package.cmake)
aoba_make_package(DEB deb ${WORK_DIR} deb)
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info ${deb}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian exits with ${result}:\n${output}${errors}")
endif()
