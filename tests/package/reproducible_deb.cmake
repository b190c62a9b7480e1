# SPDX-License-Identifier: MIT
# Two builds of the same sources, in two build folders of different paths, with SOURCE_DATE_EPOCH set from the
# last commit as a distribution's builders set it, must give byte-identical .deb files. Without git (a source
# tarball) the time of CHANGELOG.md stands in for the commit's.
cmake_minimum_required(VERSION 3.25)

set(epoch "")
if(GIT)
  execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} log -1 --format=%ct
                  RESULT_VARIABLE result OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT result EQUAL 0)
    set(epoch "")
  endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  file(TIMESTAMP ${SOURCE_DIR}/CHANGELOG.md epoch "%s" UTC)
  message(STATUS "no git history: SOURCE_DATE_EPOCH=${epoch} from CHANGELOG.md")
else()
  message(STATUS "SOURCE_DATE_EPOCH=${epoch} from the last commit")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})

file(REMOVE_RECURSE ${WORK_DIR})
set(debs "")
foreach(build first second-build)
  set(dir ${WORK_DIR}/${build})
  # Built as a packager builds: without the tests and the benchmark, and so without Qt Test, which this
  # build could not find if anything still asked for it.
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${dir} -G ${GENERATOR} --no-warn-unused-cli
                          -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
                          "-DCMAKE_PREFIX_PATH=${PREFIX_PATH}" -DBUILD_TESTING=OFF
                          -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON
                          -DAOBA_DATA_DIR=${DATA_DIR} "-DAOBA_PACKAGE_MAINTAINER=${MAINTAINER}"
                          -DAOBA_SCREENSHOT_URL=${SCREENSHOT_URL}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(result EQUAL 0)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  endif()
  if(result EQUAL 0)
    execute_process(COMMAND ${CPACK} -G DEB --config ${dir}/CPackConfig.cmake -B ${dir}/package
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  endif()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the ${build} build failed (${result}):\n${output}")
  endif()
  file(GLOB deb ${dir}/package/*.deb)
  list(APPEND debs ${deb})
endforeach()

list(GET debs 0 first)
list(GET debs 1 second)
file(SHA256 ${first} first_hash)
file(SHA256 ${second} second_hash)
if(first_hash STREQUAL second_hash)
  return()
endif()

# Which files differ, to know where to look.
set(differing "")
foreach(deb first second)
  set(unpacked ${WORK_DIR}/${deb}-unpacked)
  file(MAKE_DIRECTORY ${unpacked})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${${deb}} WORKING_DIRECTORY ${unpacked})
  file(GLOB members ${unpacked}/*.tar.*)
  foreach(member IN LISTS members)
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${member} WORKING_DIRECTORY ${unpacked})
  endforeach()
endforeach()
file(GLOB_RECURSE files RELATIVE ${WORK_DIR}/first-unpacked ${WORK_DIR}/first-unpacked/*)
foreach(file IN LISTS files)
  file(SHA256 ${WORK_DIR}/first-unpacked/${file} a)
  set(b "")
  if(EXISTS ${WORK_DIR}/second-unpacked/${file})
    file(SHA256 ${WORK_DIR}/second-unpacked/${file} b)
  endif()
  if(NOT a STREQUAL b)
    string(APPEND differing "  ${file}\n")
  endif()
endforeach()
message(FATAL_ERROR "the two .deb files differ:\n  ${first}\n  ${second}\nmembers that differ:\n${differing}")
