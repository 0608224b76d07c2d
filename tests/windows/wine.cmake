# A cross build for Windows runs its tests under Wine: CTest puts the configured wine.sh before
# every test program of this build. Included by tests/CMakeLists.txt before the suites.
find_program(VENTRIMO_WINE64 wine64 PATHS /usr/lib/wine)
if(NOT VENTRIMO_WINE64)
  message(FATAL_ERROR "wine64 not found: install the Debian package wine64 "
                      "(scripts/deps.sh --windows)")
endif()
set(VENTRIMO_WINEPREFIX ${PROJECT_BINARY_DIR}/wine)
set(VENTRIMO_TEST_FONT_DIR /usr/share/fonts/truetype/liberation2)
if(NOT EXISTS ${VENTRIMO_TEST_FONT_DIR}/LiberationSans-Bold.ttf)
  message(FATAL_ERROR "${VENTRIMO_TEST_FONT_DIR} lacks the Liberation fonts: install the Debian "
                      "package fonts-liberation2 (scripts/deps.sh)")
endif()
# The folders of the DLLs that the programs load: Qt's and the MinGW runtime's.
set(VENTRIMO_DLL_DIRS)
foreach(dll ${VENTRIMO_WINDOWS_DLLS})
  get_filename_component(dir ${dll} DIRECTORY)
  list(APPEND VENTRIMO_DLL_DIRS ${dir})
endforeach()
list(REMOVE_DUPLICATES VENTRIMO_DLL_DIRS)
list(JOIN VENTRIMO_DLL_DIRS " " VENTRIMO_DLL_DIRS)
set(VENTRIMO_WITH_XVFB ${PROJECT_SOURCE_DIR}/scripts/with-xvfb.sh)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${PROJECT_BINARY_DIR}/wine.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine.sh)
