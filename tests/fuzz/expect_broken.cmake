# Replays a saved input that breaks a known property and passes while it still does. Once the program is
# fixed it fails, as a reminder to drop this test and the matching AOBA_FUZZ_TOLERATE entry.
execute_process(COMMAND ${PROGRAM} ${CASE} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(result EQUAL 0 OR NOT errors MATCHES "broken: ${BROKEN}")
  message(FATAL_ERROR "${CASE} no longer breaks \"${BROKEN}\" (${result}): the fault is fixed.\n${errors}")
endif()
message(STATUS "Still broken, as known: ${errors}")
