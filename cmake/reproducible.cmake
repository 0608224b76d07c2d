# Builds of one commit give the same bytes wherever and whenever they run, so that anyone can
# check a package against its source by building it again. Included by the top CMakeLists.txt
# once Qt is found.
#
# No source or build folder reaches the program: debug information and __FILE__ name the source
# as ./ and the build folder as build/, and the Qt a cross build uses (in the builder's cache)
# as qt/. GCC tries the last map first, and the build folder is often inside the source folder.
if(NOT MSVC)
  if(CMAKE_CROSSCOMPILING)
    add_compile_options(-ffile-prefix-map=${QT6_INSTALL_PREFIX}=qt)
  endif()
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()
if(WIN32 AND NOT MSVC)
  # MinGW's linker would write its clock into the program file's header.
  add_link_options(-Wl,--no-insert-timestamp)
endif()

# Every time stamp the build writes is the source's date: SOURCE_DATE_EPOCH when it is set (as
# Debian's package builds set it), else the date of the commit, which configuring again follows.
set(VENTRIMO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
find_package(Git QUIET)
if(VENTRIMO_SOURCE_DATE_EPOCH STREQUAL "" AND GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} ERROR_QUIET
                  OUTPUT_VARIABLE VENTRIMO_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} ERROR_QUIET
                  OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(EXISTS "${head_log}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head_log})
  endif()
endif()
if(NOT VENTRIMO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(WARNING "Neither SOURCE_DATE_EPOCH nor a git commit dates the source: the build's "
                  "time stamps are its clock's, and another build will differ")
  return()
endif()

# The tools that generate the resources, Qt's rcc among them (it would write the files'
# modification times), run under that date. The directory is resources/.
set(VENTRIMO_RESOURCE_LAUNCHER ${CMAKE_COMMAND} -E env
                               SOURCE_DATE_EPOCH=${VENTRIMO_SOURCE_DATE_EPOCH})

# CPack dates the packages by it too, unless SOURCE_DATE_EPOCH is set when it runs, and lists
# what they hold in sorted order.
set(CPACK_VENTRIMO_SOURCE_DATE_EPOCH ${VENTRIMO_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/reproducible_packages.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CPACK_PROJECT_CONFIG_FILE})
set(CPACK_POST_BUILD_SCRIPTS ${CPACK_PROJECT_CONFIG_FILE})
