# SPDX-License-Identifier: MIT
# What only the Windows build needs. A build made on Linux (the cross toolchain in scripts/windows/) runs its
# Windows programs under Wine: the catalogue compiler at build time, the tests under CTest.
if(NOT WIN32)
  return()
endif()

# The program, Qt's libraries and the licence texts at the top of the install folder, as the packages hold
# them: Windows looks for a program's libraries beside it.
# (qt_standard_project_setup has set the cache's bin already.)
set(CMAKE_INSTALL_BINDIR .)

# Where the program's libraries are: Qt's, and with MinGW the compiler's runtime.
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(AOBA_RUNTIME_DIRS ${qt_core} DIRECTORY)
set(AOBA_MINGW_RUNTIME "")
if(MINGW)
  foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${path}")
      message(FATAL_ERROR "The compiler does not know where ${library} is")
    endif()
    file(REAL_PATH ${path} path)
    list(APPEND AOBA_MINGW_RUNTIME ${path})
    get_filename_component(folder ${path} DIRECTORY)
    list(APPEND AOBA_RUNTIME_DIRS ${folder})
  endforeach()
  list(REMOVE_DUPLICATES AOBA_RUNTIME_DIRS)
endif()

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(AOBA_WINE NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(AOBA_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
  # The library folders as Windows paths on Wine's Z: drive, for the program's PATH.
  set(AOBA_WINE_PATH "")
  foreach(folder IN LISTS AOBA_RUNTIME_DIRS)
    string(REPLACE "/" "\\" folder "Z:${folder}")
    list(APPEND AOBA_WINE_PATH ${folder})
  endforeach()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/wine.sh.in ${PROJECT_BINARY_DIR}/wine.sh @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                  WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine.sh)
endif()

# Qt's test output goes to the debugger without a console unless told otherwise. The offscreen platform of
# Windows reads its fonts from one folder: the IPA fonts the Linux tests use, linked into the build.
set(AOBA_TEST_FONTS ${PROJECT_BINARY_DIR}/test-fonts)
file(MAKE_DIRECTORY ${AOBA_TEST_FONTS})
foreach(font ipagp ipamp ipag ipam)
  find_file(AOBA_FONT_${font} ${font}.ttf PATHS /usr/share/fonts/opentype
            PATH_SUFFIXES ipafont-gothic ipafont-mincho NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
  if(AOBA_FONT_${font})
    file(CREATE_LINK ${AOBA_FONT_${font}} ${AOBA_TEST_FONTS}/${font}.ttf SYMBOLIC)
  endif()
endforeach()
string(REPLACE "/" "\\\\" fonts "Z:${AOBA_TEST_FONTS}")
set(AOBA_TEST_ENVIRONMENT "QT_FORCE_STDERR_LOGGING=1;QT_QPA_FONTDIR=${fonts}")
