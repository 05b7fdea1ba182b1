# Every fuzz target's kept regression inputs and the seeds its writers make, replayed by the
# normal build's tests without libFuzzer: a broken promise aborts the test.
include(${CMAKE_CURRENT_LIST_DIR}/fuzz_sources.cmake)
add_executable(pelmora_fuzz_regressions ${CMAKE_CURRENT_LIST_DIR}/regression_runner.cpp
  ${PELMORA_FUZZ_TARGET_SOURCES})
target_link_libraries(pelmora_fuzz_regressions PRIVATE pelmora_core pelmora_demo)
target_include_directories(pelmora_fuzz_regressions PRIVATE ${CMAKE_CURRENT_LIST_DIR})
pelmora_warnings(pelmora_fuzz_regressions)
foreach(target IN LISTS PELMORA_FUZZ_TARGETS)
  add_test(NAME fuzz_regressions.${target}
    COMMAND pelmora_fuzz_regressions ${target} --seeds ${CMAKE_CURRENT_LIST_DIR}/regressions/${target})
endforeach()
