# Builds the Debian package of the build in BUILD_DIR and checks its name, its fields, that it
# carries the same files as an install, and that lintian finds no error and no warning in it.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK_DIR} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${result}\n${output}")
endif()
file(GLOB packages ${WORK_DIR}/ventrimo_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one ventrimo_*.deb, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb --field ${packages} Package Version Architecture Depends
                        Recommends OUTPUT_VARIABLE fields RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${packages}")
endif()
message(STATUS "${fields}")
# The window's font and Qt's libraries are needed; the Wayland platform plugin is recommended;
# qt6-qpa-plugins holds nothing the program loads.
foreach(pattern "Package: ventrimo\n" "Version: 1.00\n" "Depends: [^\n]*libqt6widgets6"
                "Depends: [^\n]*fonts-liberation2" "Recommends: qt6-wayland\n")
  if(NOT fields MATCHES "${pattern}")
    message(FATAL_ERROR "the package's fields do not match ${pattern}:\n${fields}")
  endif()
endforeach()
if(fields MATCHES "qt6-qpa-plugins")
  message(FATAL_ERROR "the package depends on qt6-qpa-plugins:\n${fields}")
endif()

execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE contents)
foreach(file
        ./usr/bin/ventrimo
        ./usr/share/applications/${APP_ID}.desktop
        ./usr/share/metainfo/${APP_ID}.metainfo.xml
        ./usr/share/icons/hicolor/32x32/apps/ventrimo.png
        ./usr/share/icons/hicolor/256x256/apps/ventrimo.png
        ./usr/share/doc/ventrimo/copyright
        ./usr/share/doc/ventrimo/changelog.gz)
  string(FIND "${contents}" " ${file}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${file}:\n${contents}")
  endif()
endforeach()

# Kept below warnings: the information tag binary-has-unneeded-section (.comment), and the
# spelling of "requirment" (the protein tool tip at start-up, spelled so on purpose), which
# lintian 2.116 reports as information and 2.122 as a pedantic, experimental tag. An override
# would not do: lintian 2.122 reports an override of a tag it did not emit as a warning.
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${packages}
                  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian finds errors or warnings:\n${report}")
  endif()
else()
  message(FATAL_ERROR "lintian is missing: install the Debian package lintian")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
