# Runs one scenario script and compares what it prints with the expected output.
# EMULATOR, when set, runs a cross-built runner (Wine); REASONS, see PlatformReasons.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/PlatformReasons.cmake)
execute_process(COMMAND ${EMULATOR} ${RUNNER} INPUT_FILE ${SCRIPT}
    OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
get_filename_component(folder ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${ACTUAL} "${actual}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "exit status ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
tesmarik_platform_reasons(expected)
if(NOT actual STREQUAL expected)
    execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
    message(FATAL_ERROR "output differs from ${EXPECTED} (actual output in ${ACTUAL})")
endif()
