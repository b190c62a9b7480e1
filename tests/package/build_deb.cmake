# SPDX-License-Identifier: MIT
# aoba_build_deb(WORK_DIR OUT): runs cpack -G DEB into an empty WORK_DIR and sets OUT to the one .deb it made.
# Needs CPACK, CPACK_CONFIG and CONFIG.
function(aoba_build_deb work_dir out)
  file(REMOVE_RECURSE ${work_dir})
  execute_process(COMMAND ${CPACK} -G DEB --config ${CPACK_CONFIG} -C ${CONFIG} -B ${work_dir}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed (${result}):\n${output}")
  endif()
  file(GLOB debs ${work_dir}/*.deb)
  list(LENGTH debs count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb in ${work_dir}, found ${count}:\n${output}")
  endif()
  set(${out} ${debs} PARENT_SCOPE)
endfunction()
