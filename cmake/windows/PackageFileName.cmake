# SPDX-License-Identifier: MIT
# Read by cpack once per generator: the installer is aoba-search-VERSION-win64-setup.exe beside the ZIP.
if(CPACK_GENERATOR STREQUAL "NSIS")
  string(APPEND CPACK_PACKAGE_FILE_NAME "-setup")
endif()
