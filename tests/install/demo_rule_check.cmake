# The rule of the build step that writes bin/demo.nes: a missing file is written, a file still
# equal to the demo an earlier build wrote is refreshed, and a file the user changed is kept
# byte for byte. Runs the same script with the real pelmora-cli that the build runs.
#
# Run as: cmake -DCLI=<pelmora-cli> -DWRITER=<WriteDemoImage.cmake> -DWORK_DIR=<scratch folder>
#         -P demo_rule_check.cmake
set(target ${WORK_DIR}/bin/demo.nes)
set(record ${WORK_DIR}/demo-image/last-written.nes)
set(pristine ${WORK_DIR}/demo-image/demo.nes)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/bin ${WORK_DIR}/demo-image)

# One build's demo step.
function(rebuild)
  execute_process(COMMAND ${CMAKE_COMMAND} -DCLI=${CLI} -DTARGET=${target} -DRECORD=${record}
                          -DPRISTINE=${pristine} -P ${WRITER}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the demo step failed (${result}):\n${error}")
  endif()
endfunction()

function(expect_target_equals file what)
  file(SHA256 ${target} target_hash)
  file(SHA256 ${file} file_hash)
  if(NOT target_hash STREQUAL file_hash)
    message(FATAL_ERROR "bin/demo.nes is not ${what}")
  endif()
endfunction()

rebuild()
expect_target_equals(${pristine} "the fresh demo after the first build")

# The user saves an edit into bin/demo.nes: later builds keep it byte for byte.
file(APPEND ${target} "the user's edit")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy ${target} ${WORK_DIR}/edited.nes)
rebuild()
rebuild()
expect_target_equals(${WORK_DIR}/edited.nes "the user's edited file after two rebuilds")

# Deleted, it comes back fresh.
file(REMOVE ${target})
rebuild()
expect_target_equals(${pristine} "the fresh demo after it was deleted")

# Still equal to what an earlier build wrote (an older demo): refreshed.
file(WRITE ${target} "the demo an older build wrote")
file(WRITE ${record} "the demo an older build wrote")
rebuild()
expect_target_equals(${pristine} "refreshed when it still held an earlier build's demo")
