# SPDX-License-Identifier: MIT
# install_runtime(): installs the Runtime component of BUILD_DIR (CONFIG) into a fresh PREFIX, as a package
# would hold it.
function(install_runtime)
  file(REMOVE_RECURSE ${PREFIX})
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --config ${CONFIG}
                          --component Runtime
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
  endif()
endfunction()
