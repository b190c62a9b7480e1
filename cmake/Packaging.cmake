# SPDX-License-Identifier: MIT
# Installation and packaging: `cpack -G DEB` on Debian, a ZIP of the install folder on Windows.

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "aoba-search developers")
set(CPACK_PACKAGE_CONTACT "aoba-search developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
# Set explicitly: CPack otherwise fills the long description with its own placeholder text. Lines are kept
# short because dpkg shows them as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Browse the tables of contents of all 380 issues of the monthly newsletter"
       "青葉便り (September 1972 to July 2004), the appendix to issue 156 and the"
       "special issue of June 2003: pick an issue by number, by month or among the"
       "extra issues, and search every table of contents for a string. The"
       "catalogue is compiled into the program.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
set(CPACK_STRIP_FILES ON)
# Only the Runtime component goes into a package: the build also holds maintainer tools and tests.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Runtime;/")

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "aoba-search developers")
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The program asks for the IPA fonts by name; no shared library says so.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
elseif(WIN32)
  set(CPACK_GENERATOR ZIP)
endif()

include(CPack)
