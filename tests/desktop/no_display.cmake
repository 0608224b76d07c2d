# The program started without a display: one line that says so and names the variables, and
# exit status 1. Once with no display variable at all, once with a display nobody serves.
cmake_policy(VERSION 3.25)
foreach(display "" ":4242")
  if(display)
    set(environment --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM DISPLAY=${display})
  else()
    set(environment --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM --unset=DISPLAY)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment} ${PROGRAM}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors
                  TIMEOUT 20)
  string(STRIP "${errors}" errors)
  if(NOT result EQUAL 1)
    message(FATAL_ERROR "exit status ${result} without a display (${display}), not 1:\n${errors}")
  endif()
  if(errors MATCHES "\n" OR NOT errors MATCHES "needs a graphical display.*DISPLAY")
    message(FATAL_ERROR "not one clear line without a display (${display}):\n${errors}")
  endif()
  message(STATUS "${errors}")
endforeach()
