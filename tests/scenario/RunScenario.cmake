# Runs one scenario script and compares what it prints with the expected output.
# EMULATOR, when set, runs a cross-built runner (Wine). REASONS, when set, names a file of
# lines "REASON|OTHER": the operating system's own reason for a failure, as Linux words it
# in the expected output and as this platform words it.
execute_process(COMMAND ${EMULATOR} ${RUNNER} INPUT_FILE ${SCRIPT}
    OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
get_filename_component(folder ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${ACTUAL} "${actual}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "exit status ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(REASONS)
    file(STRINGS ${REASONS} pairs ENCODING UTF-8)
    foreach(pair IN LISTS pairs)
        if(pair MATCHES "^([^|]+)\\|(.+)$")
            string(REPLACE "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" expected "${expected}")
        endif()
    endforeach()
endif()
if(NOT actual STREQUAL expected)
    execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
    message(FATAL_ERROR "output differs from ${EXPECTED} (actual output in ${ACTUAL})")
endif()
