# SPDX-License-Identifier: MIT
# Runs the specimen generator into a fresh folder and compares every file, and the manifest, with data/ byte
# for byte.
# -DPYTHON=… -DSOURCE_DIR=… -DWORK_DIR=…
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/tools/specimen/generate.py --out ${WORK_DIR}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${result}")
endif()
file(GLOB shipped RELATIVE ${SOURCE_DIR}/data ${SOURCE_DIR}/data/*.txt)
file(GLOB generated RELATIVE ${WORK_DIR} ${WORK_DIR}/*.txt)
if(NOT shipped STREQUAL generated)
  message(FATAL_ERROR "the generator writes other files than data/ holds")
endif()
foreach(name ${shipped} SHA256SUMS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE_DIR}/data/${name} ${WORK_DIR}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "data/${name} is not what the generator writes")
  endif()
endforeach()
