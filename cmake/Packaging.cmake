# SPDX-License-Identifier: MIT
# Installation and packaging: `cpack -G DEB` on Debian, a ZIP and an installer on Windows. The files a
# distribution asks for beside the program (manual page, AppStream metadata, copyright, changelog) are made
# here when the project is configured, from src/app/, CHANGELOG.md and LICENSE.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)

# Whoever publishes the package sets the Maintainer; the default names no person and still passes lintian.
set(AOBA_PACKAGE_MAINTAINER "aoba-search developers <maintainer@aoba-search.invalid>"
    CACHE STRING "The package's Maintainer field and changelog signature: \"Name <address>\"")
if(NOT AOBA_PACKAGE_MAINTAINER MATCHES "^[^<>@,]*[^ <>@,] <[^<>@ ,]+@[^<>@ ,.]+(\\.[^<>@ ,.]+)+>$")
  message(FATAL_ERROR "AOBA_PACKAGE_MAINTAINER reads \"Name <address>\", not \"${AOBA_PACKAGE_MAINTAINER}\"")
endif()
# The README's screenshots, as software centres fetch them; the project has no web site, so the default
# address is one that cannot resolve until a publisher names where docs/ is served.
set(AOBA_SCREENSHOT_URL "https://aoba-search.invalid/docs/"
    CACHE STRING "The https:// address, ending in /, under which docs/main-window.png and docs/results-window.png are published")
if(NOT AOBA_SCREENSHOT_URL MATCHES "^https://[^ <>&\"']+/$")
  message(FATAL_ERROR "AOBA_SCREENSHOT_URL is an https:// address ending in /, not \"${AOBA_SCREENSHOT_URL}\"")
endif()
# Reverse DNS of a reserved domain: the project owns none, and an invented one could be somebody's.
set(AOBA_APPSTREAM_ID invalid.aoba_search.aoba_search)

set(AOBA_PACKAGE_FILES_DIR ${PROJECT_BINARY_DIR}/package-files)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_LIST_DIR}/copyright.in)

# Writes only when the content changes, so an unchanged file keeps its time and nothing rebuilds.
function(aoba_write_file path content)
  file(WRITE ${path}.new "${content}")
  configure_file(${path}.new ${path} COPYONLY)
  file(REMOVE ${path}.new)
endfunction()

aoba_read_changelog(${PROJECT_SOURCE_DIR}/CHANGELOG.md "${AOBA_PACKAGE_MAINTAINER}")
list(GET AOBA_RELEASE_VERSIONS 0 latest_release)
if(NOT latest_release STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md's newest release is ${latest_release}, the project is at ${PROJECT_VERSION}: "
                      "add a release heading for ${PROJECT_VERSION}")
endif()
list(GET AOBA_RELEASE_DATES 0 AOBA_RELEASE_DATE)
aoba_write_file(${AOBA_PACKAGE_FILES_DIR}/changelog "${AOBA_DEBIAN_CHANGELOG}")

set(AOBA_METAINFO_RELEASES "")
foreach(release IN ZIP_LISTS AOBA_RELEASE_VERSIONS AOBA_RELEASE_DATES)
  list(APPEND AOBA_METAINFO_RELEASES "    <release version=\"${release_0}\" date=\"${release_1}\"/>")
endforeach()
list(JOIN AOBA_METAINFO_RELEASES "\n" AOBA_METAINFO_RELEASES)
set(AOBA_METAINFO_FILE ${AOBA_PACKAGE_FILES_DIR}/${AOBA_APPSTREAM_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/src/app/aoba-search.metainfo.xml.in ${AOBA_METAINFO_FILE} @ONLY)
set(AOBA_MANUAL_PAGE ${AOBA_PACKAGE_FILES_DIR}/aoba-search.1)
configure_file(${PROJECT_SOURCE_DIR}/src/app/aoba-search.1.in ${AOBA_MANUAL_PAGE} @ONLY)

# The copyright file's holder and licence text are LICENSE's own, so the two cannot say different things.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
if(NOT license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(Permission .*[^\n])\n*$")
  message(FATAL_ERROR "LICENSE no longer reads \"Copyright (c) HOLDER\" followed by the permission notice")
endif()
set(AOBA_COPYRIGHT "${CMAKE_MATCH_1}")
# A deb822 continuation line starts with a space; an empty line is written " .".
string(REPLACE "\n\n" "\n.\n" AOBA_LICENSE_TEXT "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " AOBA_LICENSE_TEXT " ${AOBA_LICENSE_TEXT}")
file(READ ${CMAKE_CURRENT_LIST_DIR}/copyright.in copyright)
string(REGEX REPLACE "^(#[^\n]*\n)+" "" copyright "${copyright}")
string(CONFIGURE "${copyright}" copyright @ONLY)
aoba_write_file(${AOBA_PACKAGE_FILES_DIR}/copyright "${copyright}")

if(UNIX AND NOT APPLE)
  # -n: no name and no time in the header, so the same text always gives the same bytes.
  find_program(AOBA_GZIP gzip REQUIRED)
  foreach(file changelog aoba-search.1)
    execute_process(COMMAND ${AOBA_GZIP} -9nc ${AOBA_PACKAGE_FILES_DIR}/${file}
                    OUTPUT_FILE ${AOBA_PACKAGE_FILES_DIR}/${file}.gz.new COMMAND_ERROR_IS_FATAL ANY)
    configure_file(${AOBA_PACKAGE_FILES_DIR}/${file}.gz.new ${AOBA_PACKAGE_FILES_DIR}/${file}.gz COPYONLY)
    file(REMOVE ${AOBA_PACKAGE_FILES_DIR}/${file}.gz.new)
  endforeach()

  install(FILES ${AOBA_PACKAGE_FILES_DIR}/aoba-search.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT Runtime)
  install(FILES ${AOBA_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
  install(FILES ${AOBA_PACKAGE_FILES_DIR}/copyright ${AOBA_PACKAGE_FILES_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT Runtime)
endif()

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "aoba-search developers")
set(CPACK_PACKAGE_CONTACT "${AOBA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
# Set explicitly: CPack otherwise fills the long description with its own placeholder text. Lines are kept
# short because dpkg shows them as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Browse the tables of contents of all 380 issues of the monthly newsletter"
       "青葉便り (September 1972 to July 2004), the appendix to issue 156 and the"
       "special issue of June 2003: pick an issue by number, by month or among the"
       "extra issues, and search every table of contents for a string. The"
       "catalogue is compiled into the program, and also answers on the command"
       "line, without a display.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
set(CPACK_STRIP_FILES ON)
# Only the Runtime component goes into a package: the build also holds maintainer tools and tests.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Runtime;/")

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${AOBA_PACKAGE_MAINTAINER}")
  # Where Debian files programs that look things up in a collection of texts; every package is optional
  # unless the system needs it.
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # No Homepage field: the project has no web site. CPack would take one from project(HOMEPAGE_URL).
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The program asks for the IPA fonts by name; no shared library says so.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
elseif(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
endif()

include(CPack)
