# The demo image beside the editor: bin/demo.nes, written by pelmora-cli make-demo.
# A rebuild never overwrites a bin/demo.nes that the user has changed (see WriteDemoImage.cmake);
# demo-image/demo.nes is always the fresh image, the one that is installed.
if(NOT TARGET pelmora-cli)
  return()
endif()

set(PELMORA_DEMO_IMAGE ${CMAKE_BINARY_DIR}/bin/demo.nes)
set(PELMORA_PRISTINE_DEMO_IMAGE ${CMAKE_BINARY_DIR}/demo-image/demo.nes)
set(PELMORA_DEMO_IMAGE_RECORD ${CMAKE_BINARY_DIR}/demo-image/last-written.nes)

# Runs on every build (it takes milliseconds), so a deleted bin/demo.nes comes back. bin/demo.nes
# is deliberately not a declared output: cleaning the build must never delete the user's edits.
add_custom_target(pelmora_demo_image ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/demo-image
  COMMAND ${CMAKE_COMMAND}
          -DCLI=$<TARGET_FILE:pelmora-cli>
          -DTARGET=${PELMORA_DEMO_IMAGE}
          -DRECORD=${PELMORA_DEMO_IMAGE_RECORD}
          -DPRISTINE=${PELMORA_PRISTINE_DEMO_IMAGE}
          -P ${PROJECT_SOURCE_DIR}/cmake/WriteDemoImage.cmake
  BYPRODUCTS ${PELMORA_PRISTINE_DEMO_IMAGE}
  COMMENT "Writing the demo image bin/demo.nes (kept if you changed it)"
  VERBATIM)
add_dependencies(pelmora_demo_image pelmora-cli)

# The Open dialog starts beside the program, where the demo image is written.
if(TARGET pelmora)
  add_dependencies(pelmora pelmora_demo_image)
endif()
