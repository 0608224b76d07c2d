# Installs the build in BUILD_DIR under a scratch prefix and checks that every file lands where
# a freedesktop desktop looks for it.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/usr)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/ventrimo
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/man/man1/ventrimo.1.gz
    share/doc/ventrimo/copyright
    share/doc/ventrimo/changelog.gz)
foreach(side 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${side}x${side}/apps/ventrimo.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND test -x ${prefix}/bin/ventrimo RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "bin/ventrimo is not executable")
endif()

# Nothing else: the tests and the icon tool stay in the build tree.
file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files differ:\n  got ${installed}\n  want ${expected}")
endif()

# The entry starts the installed program by name, shows the installed icon and names the class
# of the program's X11 window.
file(STRINGS ${prefix}/share/applications/${APP_ID}.desktop entry)
foreach(line "Exec=ventrimo" "Icon=ventrimo" "StartupWMClass=${APP_ID}")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
