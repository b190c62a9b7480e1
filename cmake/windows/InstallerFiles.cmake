# SPDX-License-Identifier: MIT
# Run by cpack once the package's files are staged (CPACK_PRE_BUILD_SCRIPTS): writes the installer's list of
# them, one `!insertmacro AOBA_FILE "NAME"` line each, which NSIS.template.in includes to find a file held
# open before it replaces or deletes anything. Made from the staged files, it cannot miss one.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}
     ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*)
list(SORT files)
set(lines "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND lines "!insertmacro AOBA_FILE \"${file}\"\n")
endforeach()
file(WRITE ${CPACK_TOPLEVEL_DIRECTORY}/package-files.nsh "${lines}")
