# Runs PROGRAM with no display in its environment, and with a local X display that no server
# answers on, and expects one clear line and a failure code each time.
foreach(display_setting "--unset=DISPLAY" "DISPLAY=:4711")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${display_setting} --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${PROGRAM}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE error
    TIMEOUT 30)
  if(result EQUAL 0)
    message(FATAL_ERROR "the program succeeded without a display (${display_setting})")
  endif()
  string(STRIP "${error}" message_line)
  if(NOT "${output}" STREQUAL ""
     OR message_line MATCHES "\n"
     OR NOT message_line MATCHES "no display.*xvfb-run -a ")
    message(FATAL_ERROR "expected one line about the missing display, got:\n${output}${error}")
  endif()
  message(STATUS "without a display (${display_setting}): ${message_line}")
endforeach()
