# cmake -DPROGRAM=... -DARGUMENT=... -DEXIT=0|nonzero -DUSAGE=regex -P CheckUsage.cmake
# Passes when PROGRAM ARGUMENT ends as EXIT says and prints its usage (on either stream).
execute_process(COMMAND ${PROGRAM} ${ARGUMENT} RESULT_VARIABLE code OUTPUT_VARIABLE out
    ERROR_VARIABLE err TIMEOUT 60)
if(EXIT STREQUAL "0" AND NOT code EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} ended with ${code}, not 0:\n${out}${err}")
endif()
if(EXIT STREQUAL "nonzero" AND code EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} ended with 0:\n${out}${err}")
endif()
if(NOT "${out}${err}" MATCHES "${USAGE}")
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} printed no usage:\n${out}${err}")
endif()
