# Builds the Debian package of the build in BUILD_DIR and checks its name, its fields and that it
# carries the same files as an install.
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
                OUTPUT_VARIABLE fields RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${packages}")
endif()
message(STATUS "${fields}")
foreach(pattern "Package: ventrimo\n" "Version: 1.00\n" "Depends: [^\n]*libqt6widgets6"
                "Depends: [^\n]*qt6-qpa-plugins")
  if(NOT fields MATCHES "${pattern}")
    message(FATAL_ERROR "the package's fields do not match ${pattern}:\n${fields}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE contents)
foreach(file
        ./usr/bin/ventrimo
        ./usr/share/applications/${APP_ID}.desktop
        ./usr/share/metainfo/${APP_ID}.metainfo.xml
        ./usr/share/icons/hicolor/32x32/apps/ventrimo.png)
  string(FIND "${contents}" " ${file}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${file}:\n${contents}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
