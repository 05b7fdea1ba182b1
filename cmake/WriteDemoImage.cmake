# Writes the demo image beside the editor without ever overwriting a file the user changed.
#
# Run as: cmake -DCLI=<pelmora-cli> -DTARGET=<bin/demo.nes> -DRECORD=<copy of the last demo
#         written there> -DPRISTINE=<always the fresh demo, for installing> -P WriteDemoImage.cmake
#
# TARGET is (re)written only when it is missing or still byte-identical to the demo an earlier
# build wrote (RECORD); a TARGET that differs from it holds the user's edits and is kept.
foreach(variable CLI TARGET RECORD PRISTINE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "WriteDemoImage.cmake needs -D${variable}=...")
  endif()
endforeach()

execute_process(COMMAND "${CLI}" make-demo "${PRISTINE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "pelmora-cli make-demo ${PRISTINE} failed (${result})")
endif()

# Whether TARGET may be replaced: missing, or untouched since an earlier build wrote it.
# A TARGET equal to the fresh demo is adopted too (a build folder from before the record existed).
set(replace FALSE)
if(NOT EXISTS "${TARGET}")
  set(replace TRUE)
else()
  file(SHA256 "${TARGET}" target_hash)
  file(SHA256 "${PRISTINE}" pristine_hash)
  set(record_hash "")
  if(EXISTS "${RECORD}")
    file(SHA256 "${RECORD}" record_hash)
  endif()
  if(target_hash STREQUAL record_hash OR target_hash STREQUAL pristine_hash)
    set(replace TRUE)
  endif()
endif()

if(replace)
  file(COPY_FILE "${PRISTINE}" "${TARGET}")
  file(COPY_FILE "${PRISTINE}" "${RECORD}")
else()
  message(STATUS "Keeping ${TARGET}: it differs from the demo an earlier build wrote "
                 "(delete it to get a fresh demo image)")
endif()
