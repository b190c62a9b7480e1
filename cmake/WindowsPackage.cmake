# SPDX-License-Identifier: MIT
# The Windows packages, from the Runtime component: a portable ZIP (aoba-search-VERSION-win64.zip) and an
# installer for the current user (aoba-search-VERSION-win64-setup.exe, cmake/windows/NSIS.template.in).
# Both hold the program at the top of its folder with what it loads beside it: Qt's libraries, the windows
# platform plugin and the windowsvista style (nothing else of Qt: no image formats, no translations), the
# compiler's runtime, every binary stripped, and the licence texts all of them ask for. A cross build of Qt
# has no deployment tool, so the files are named here; a change in what the program links shows in the
# test package.windows_zip, which checks every library the packaged binaries import.
# Included by Packaging.cmake on Windows.

# Each program's manifest (cmake/windows/program.manifest.in), with the settings of its kind. The windows'
# program is per-monitor DPI aware, version 2, as Qt makes it at run time anyway; the catalogue tools may open
# paths longer than 260 characters, which a maintainer's folder can have.
set(AOBA_WINDOWS_SETTINGS_DPI [[  <application xmlns="urn:schemas-microsoft-com:asm.v3">
    <windowsSettings>
      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>
      <dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2</dpiAwareness>
    </windowsSettings>
  </application>]])
set(AOBA_WINDOWS_SETTINGS_LONG_PATHS [[  <application xmlns="urn:schemas-microsoft-com:asm.v3">
    <windowsSettings>
      <longPathAware xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">true</longPathAware>
    </windowsSettings>
  </application>]])
function(aoba_manifest target settings out)
  set(AOBA_MANIFEST_NAME ${target})
  set(AOBA_MANIFEST_SETTINGS "${settings}")
  set(file ${AOBA_PACKAGE_FILES_DIR}/${target}.manifest)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/program.manifest.in ${file} @ONLY)
  set(${out} ${file} PARENT_SCOPE)
endfunction()

# The program and its console companion: the manifest, the icon and the version resource, with the names the
# packages give.
set(AOBA_ICON_FILE ${PROJECT_SOURCE_DIR}/src/app/icons/aoba-search.ico)
function(aoba_program_resources target file settings)
  aoba_manifest(${target} "${settings}" AOBA_MANIFEST_FILE)
  set(AOBA_PROGRAM_FILE ${file})
  configure_file(${PROJECT_SOURCE_DIR}/src/app/aoba-search.rc.in ${AOBA_PACKAGE_FILES_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${AOBA_PACKAGE_FILES_DIR}/${target}.rc)
endfunction()
aoba_program_resources(aoba-search aoba-search.exe "${AOBA_WINDOWS_SETTINGS_DPI}")
aoba_program_resources(aoba-search-console aoba-search.com "")

# The catalogue tools carry a manifest alone.
foreach(target aoba-catalogue-check aoba-embed)
  aoba_manifest(${target} "${AOBA_WINDOWS_SETTINGS_LONG_PATHS}" manifest)
  file(CONFIGURE OUTPUT ${AOBA_PACKAGE_FILES_DIR}/${target}.rc
       CONTENT "// SPDX-License-Identifier: MIT\n1 24 \"${manifest}\"\n")
  target_sources(${target} PRIVATE ${AOBA_PACKAGE_FILES_DIR}/${target}.rc)
endforeach()

# The program and its libraries in one folder, where Windows looks for a program's libraries first.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms
        COMPONENT Runtime)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION ${CMAKE_INSTALL_BINDIR}/styles
        COMPONENT Runtime)
set(runtime_names "")
if(MINGW)
  install(FILES ${AOBA_MINGW_RUNTIME} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
  foreach(path IN LISTS AOBA_MINGW_RUNTIME)
    get_filename_component(name ${path} NAME)
    list(APPEND runtime_names ${name})
  endforeach()
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/windows/licenses/MinGW-runtime.txt
          DESTINATION ${CMAKE_INSTALL_BINDIR}/licenses COMPONENT Runtime)
elseif(MSVC)
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_COMPONENT Runtime)
  include(InstallRequiredSystemLibraries)
endif()

# Other people's binaries are stripped here; CPack strips the program itself (CPACK_STRIP_FILES).
if(CMAKE_STRIP)
  install(CODE "
    foreach(file Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll
                 ${runtime_names})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${file}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()" COMPONENT Runtime)
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/Qt.txt.in ${AOBA_PACKAGE_FILES_DIR}/Qt.txt @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${AOBA_PACKAGE_FILES_DIR}/LICENSE.txt COPYONLY)
install(FILES ${AOBA_PACKAGE_FILES_DIR}/LICENSE.txt DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
set(licenses ${CMAKE_CURRENT_LIST_DIR}/windows/licenses)
install(FILES ${AOBA_PACKAGE_FILES_DIR}/Qt.txt ${licenses}/Qt-third-party.txt ${licenses}/LGPL-3.0.txt
              ${licenses}/GPL-3.0.txt
        DESTINATION ${CMAKE_INSTALL_BINDIR}/licenses COMPONENT Runtime)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
# The installer's own name for itself, its shortcut and its line in the list of installed programs.
set(CPACK_NSIS_PACKAGE_NAME "青葉便り 検索システム")
set(CPACK_NSIS_DISPLAY_NAME "${CPACK_NSIS_PACKAGE_NAME}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${PROJECT_NAME})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_AOBA_ICON ${AOBA_ICON_FILE})
set(CPACK_AOBA_PROGRAM aoba-search.exe)
set(CPACK_AOBA_COPYRIGHT "Copyright (c) ${AOBA_COPYRIGHT}, MIT licence")
# The picture beside the welcome and finish pages, drawn from the icon (src/app/icons/render.sh).
set(CPACK_AOBA_SIDE_PICTURE ${PROJECT_SOURCE_DIR}/src/app/icons/installer-side.bmp)
# The licence page wraps its text to its own width: each paragraph of LICENSE on one line, so that LICENSE's
# own line breaks do not cut its lines short.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "([^\n])\n([^\n])" "\\1 \\2" license "${license}")
string(REPLACE "\n" "\r\n" license "${license}")
set(CPACK_AOBA_LICENSE_PAGE ${AOBA_PACKAGE_FILES_DIR}/LICENSE-page.txt)
aoba_write_file(${CPACK_AOBA_LICENSE_PAGE} "${license}")
# Lists the staged files for the installer, which checks that none is held open before it replaces any.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/windows/InstallerFiles.cmake)
# The script is UTF-8; a warning fails the build of the installer. cpack puts the - (or /) in front.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "INPUTCHARSET UTF8" WX)
# cmake/windows/NSIS.template.in replaces CPack's, whose installer is 32-bit and for all users.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)
# Run by cpack for each generator: the installer's file name ends in -setup.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows/PackageFileName.cmake)
