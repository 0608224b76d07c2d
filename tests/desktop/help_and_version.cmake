# --help and --version print on standard output and exit 0, with no display to open.
cmake_policy(VERSION 3.25)
foreach(case "--help|^Usage: ventrimo .*--version.*\n$" "--version|^ventrimo ${VERSION}\n$")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 option)
  list(GET case 1 expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          --unset=QT_QPA_PLATFORM ${PROGRAM} ${option}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 20)
  if(NOT result EQUAL 0 OR NOT output MATCHES "${expected}" OR errors)
    message(FATAL_ERROR "${option}: status ${result}, output:\n${output}\nerrors:\n${errors}")
  endif()
endforeach()
