# What the Windows program needs beside it, and its two packages: a zip, and an installer made
# by NSIS with a Start-menu entry and an uninstaller. Included by resources/CMakeLists.txt.

# Qt stays in shared DLLs beside the program, which keeps it replaceable as Qt's LGPL asks; with
# it go the Windows platform plugin and the MinGW runtime that the program and Qt were built
# with. VENTRIMO_WINDOWS_DLLS lists them all for the tests, which run the build under Wine.
set(qt_dlls)
foreach(module Core Gui Widgets)
  get_target_property(dll Qt6::${module} IMPORTED_LOCATION_RELEASE)
  list(APPEND qt_dlls ${dll})
endforeach()
get_target_property(platform_plugin Qt6::QWindowsIntegrationPlugin IMPORTED_LOCATION_RELEASE)

set(runtime_dlls)
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                  OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${dll}" OR NOT EXISTS "${dll}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${name} is")
  endif()
  file(REAL_PATH ${dll} dll)
  list(APPEND runtime_dlls ${dll})
endforeach()

foreach(dll ${qt_dlls} ${platform_plugin} ${runtime_dlls})
  if(NOT EXISTS "${dll}")
    message(FATAL_ERROR "${dll} is missing")
  endif()
endforeach()
install(FILES ${qt_dlls} ${runtime_dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${platform_plugin} DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
# Debian's runtime DLLs keep their symbols, and so may Qt's: a stripped install (CPack's) drops
# them, as it does the program's.
set(installed_dlls)
foreach(dll ${qt_dlls} ${runtime_dlls})
  get_filename_component(name ${dll} NAME)
  list(APPEND installed_dlls ${CMAKE_INSTALL_BINDIR}/${name})
endforeach()
list(APPEND installed_dlls ${CMAKE_INSTALL_BINDIR}/platforms/qwindows.dll)
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(dll ${installed_dlls})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
set(VENTRIMO_WINDOWS_DLLS ${qt_dlls} ${runtime_dlls} CACHE INTERNAL
    "The DLLs that the Windows program loads from beside it, platform plugin aside")

# The program's licence, and the LGPL under which Qt's DLLs come; the installer shows the first.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION . RENAME Qt-LGPL-3.txt)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME ventrimo-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Ventrimo)
# The Start-menu entry: bin/ventrimo.exe, named Ventrimo.
set(CPACK_PACKAGE_EXECUTABLES ventrimo Ventrimo)
set(CPACK_NSIS_PACKAGE_NAME Ventrimo)
set(CPACK_NSIS_DISPLAY_NAME Ventrimo)
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\ventrimo.exe)
set(CPACK_NSIS_MUI_ICON ${VENTRIMO_ICON_ICO})
set(CPACK_NSIS_MUI_UNIICON ${VENTRIMO_ICON_ICO})
# A 64-bit installer for a 64-bit program: it installs into the 64-bit Program Files and runs
# where only 64-bit programs do (such as a 64-bit-only Wine).
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# CPack splits the makensis command at blanks unless escaped by a backslash, which has to
# outlast CPackConfig.cmake too.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-XTarget\\\\ amd64-unicode")
# The installer carries no file's date, so that its bytes do not follow the build's clock: the
# files it installs are dated by the installation.
set(CPACK_NSIS_DEFINES "SetDateSave off")
# The zip is made again with its entries sorted (cmake/reproducible_packages.cmake).
find_program(VENTRIMO_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(CPACK_VENTRIMO_PYTHON3 ${VENTRIMO_PYTHON3})
