# SPDX-License-Identifier: MIT
# aoba_make_package(GENERATOR EXTENSION WORK_DIR OUT): runs cpack -G GENERATOR into an empty WORK_DIR and sets
# OUT to the one file ending in .EXTENSION it made. Needs CPACK, CPACK_CONFIG and CONFIG.
function(aoba_make_package generator extension work_dir out)
  file(REMOVE_RECURSE ${work_dir})
  execute_process(COMMAND ${CPACK} -G ${generator} --config ${CPACK_CONFIG} -C ${CONFIG} -B ${work_dir}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed (${result}):\n${output}")
  endif()
  file(GLOB made ${work_dir}/*.${extension})
  list(LENGTH made count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .${extension} in ${work_dir}, found ${count}:\n${output}")
  endif()
  set(${out} ${made} PARENT_SCOPE)
endfunction()
