# The fuzz targets (each a regression folder under regressions/) and the sources of their
# checks and seeds, shared by the libFuzzer build and the normal build's regression runs.
set(PELMORA_FUZZ_TARGETS
  title_screen ips_apply bps_apply patch_round_trip picture_import nam_import pal_import
  chr_import clipboard_paste bps_metadata master_palette)
set(PELMORA_FUZZ_TARGET_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_screen_seeds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reader_seeds.cpp)
foreach(target IN LISTS PELMORA_FUZZ_TARGETS)
  list(APPEND PELMORA_FUZZ_TARGET_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${target}_fuzzer.cpp)
endforeach()
