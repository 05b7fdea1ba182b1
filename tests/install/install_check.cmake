# Installs the build into a fresh prefix, checks that every file a desktop needs is there, and
# runs the installed pelmora-cli on the installed demo image.
#
# Run as: cmake -DBUILD_DIR=<build folder> -DWORK_DIR=<scratch folder> -P install_check.cmake
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${error}")
endif()

set(id io.github.pelmora.Pelmora)
set(expected bin/pelmora-cli share/pelmora/demo.nes share/man/man1/pelmora-cli.1
             share/doc/pelmora/copyright)
if(EXISTS ${BUILD_DIR}/bin/pelmora)
  list(APPEND expected bin/pelmora share/man/man1/pelmora.1 share/applications/${id}.desktop
       share/metainfo/${id}.metainfo.xml share/icons/hicolor/scalable/apps/${id}.svg)
  foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
  endforeach()
endif()
foreach(path ${expected})
  if(NOT EXISTS ${prefix}/${path})
    message(FATAL_ERROR "the install is missing ${path}")
  endif()
endforeach()

# Runs the installed command line from outside the build folder and returns its output.
function(run_installed_cli output_variable)
  execute_process(COMMAND ${prefix}/bin/pelmora-cli ${ARGN}
                  WORKING_DIRECTORY ${WORK_DIR}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error TIMEOUT 30)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "installed pelmora-cli ${ARGN} failed (${result}):\n${output}${error}")
  endif()
  set(${output_variable} "${output}" PARENT_SCOPE)
endfunction()

run_installed_cli(info info ${prefix}/share/pelmora/demo.nes)
string(JSON prg_banks ERROR_VARIABLE json_error GET "${info}" prgBanks)
if(json_error OR NOT prg_banks GREATER 0)
  message(FATAL_ERROR "pelmora-cli info on the installed demo printed no image data:\n${info}")
endif()
run_installed_cli(version --version)
if(NOT version MATCHES "0\\.80\\.0")
  message(FATAL_ERROR "pelmora-cli --version printed no version 0.80.0:\n${version}")
endif()

message(STATUS "installed into ${prefix}: ${version}")
