# The loading report's PDF, whose picture is one large write, saved by the runner on a
# full disk: the save fails with the file's name and the reason in the user's words, and
# the earlier file stays byte for byte. A file-size limit of 20 blocks stands for the full
# disk, so that no test needs root.
include(${CMAKE_CURRENT_LIST_DIR}/PdfChecks.cmake)
if(EMULATOR)
    message(STATUS "Windows has no file-size limit of a process: not run")
    return()
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(earlier "the earlier report, which a failed save leaves as it was\n")
file(WRITE ${WORK}/loading.pdf "${earlier}")
execute_process(COMMAND sh -c "ulimit -f 20 && exec \"$0\"" ${RUNNER}
    INPUT_FILE ${here}/full-disk.scn WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE runner_output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "exit status ${status}")
endif()
expect_output("error: Cannot create file \"loading.pdf\". файл больше, чем разрешено записывать.")
file(READ ${WORK}/loading.pdf after)
if(NOT after STREQUAL earlier)
    message(FATAL_ERROR "the earlier loading.pdf was replaced")
endif()
file(GLOB left ${WORK}/*)
list(LENGTH left count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "a failed save left files behind: ${left}")
endif()
