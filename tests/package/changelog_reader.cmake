# SPDX-License-Identifier: MIT
# cmake/Changelog.cmake on written-out changelogs: the Debian changelog it makes, word for word, and the
# releases it lists; and a line it cannot place stops it with the file and line.
cmake_minimum_required(VERSION 3.25)
include(${CHANGELOG_MODULE})

# Run as a child on one file, so that its FATAL_ERROR can be seen from here.
if(DEFINED READ)
  aoba_read_changelog(${READ} "Team <team@example.org>")
  return()
endif()

set(failures "")
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

file(WRITE ${WORK_DIR}/two.md [=[
<!-- a comment -->
# Changes

Prose before the first release; and [brackets].

## 1.1.0 (2024-02-29)

- Fix one thing; and another [with brackets].
  Continued.
- Add a second item.

## 1.0.0 (1999-12-31)

- First.
]=])
aoba_read_changelog(${WORK_DIR}/two.md "Team <team@example.org>")
set(expected [=[
aoba-search (1.1.0) unstable; urgency=medium

  * Fix one thing; and another [with brackets].
    Continued.
  * Add a second item.

 -- Team <team@example.org>  Thu, 29 Feb 2024 00:00:00 +0000

aoba-search (1.0.0) unstable; urgency=medium

  * First.

 -- Team <team@example.org>  Fri, 31 Dec 1999 00:00:00 +0000
]=])
if(NOT AOBA_DEBIAN_CHANGELOG STREQUAL expected)
  string(APPEND failures "two releases give\n${AOBA_DEBIAN_CHANGELOG}\ninstead of\n${expected}\n")
endif()
if(NOT AOBA_RELEASE_VERSIONS STREQUAL "1.1.0;1.0.0" OR NOT AOBA_RELEASE_DATES STREQUAL "2024-02-29;1999-12-31")
  string(APPEND failures "releases '${AOBA_RELEASE_VERSIONS}' of '${AOBA_RELEASE_DATES}'\n")
endif()

# Each broken file, the line the error must name.
foreach(case "heading without a date|## 1.0.0\n- x\n|:1:"
             "no such month|## 1.0.0 (2026-13-01)\n- x\n|:1:"
             "prose inside a release|## 1.0.0 (2026-12-09)\n- x\nprose\n|:3:"
             "continuation indented by four|## 1.0.0 (2026-12-09)\n- x\n    y\n|:3:"
             "no release at all|# Changes\n\n- x\n|names no release")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 name)
  list(GET case 1 content)
  list(GET case 2 named)
  string(REPLACE "\\n" "\n" content "${content}")
  file(WRITE ${WORK_DIR}/broken.md "${content}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DCHANGELOG_MODULE=${CHANGELOG_MODULE} -DREAD=${WORK_DIR}/broken.md
                          -P ${CMAKE_CURRENT_LIST_FILE}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  # CMake wraps a long error message; read it as one line.
  string(REGEX REPLACE "[ \n]+" " " output "${output}")
  string(FIND "${output}" "${named}" at)
  if(result EQUAL 0 OR at LESS 0)
    string(APPEND failures "${name}: an error naming '${named}' expected (exit ${result}):\n${output}\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
