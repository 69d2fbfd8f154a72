# What the PDF tests share: run a scenario script in a fresh folder, then read the PDF
# files it left with poppler's tools, as a user's PDF viewer would. Paths in the scripts
# are relative to that folder. Expects RUNNER (the scenario runner) and WORK (the folder); EMULATOR runs a cross-built runner; REASONS as in PlatformReasons.cmake.
set(here ${CMAKE_CURRENT_LIST_DIR})
include(${here}/../scenario/PlatformReasons.cmake)

# Files named after the script (relative to this folder) are copied into the folder first.
function(run_script script)
    file(REMOVE_RECURSE ${WORK})
    file(MAKE_DIRECTORY ${WORK})
    foreach(input IN LISTS ARGN)
        file(COPY ${here}/${input} DESTINATION ${WORK})
    endforeach()
    execute_process(COMMAND ${EMULATOR} ${RUNNER} INPUT_FILE ${here}/${script} WORKING_DIRECTORY ${WORK}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${script}: exit status ${status}: ${errors}")
    endif()
    set(runner_output "${output}" PARENT_SCOPE)
endfunction()

# The runner printed this line.
function(expect_output line)
    tesmarik_platform_reasons(line)
    string(FIND "${runner_output}" "${line}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the runner did not print '${line}'; it printed:\n${runner_output}")
    endif()
endfunction()

function(expect_no_file path)
    if(EXISTS ${WORK}/${path})
        message(FATAL_ERROR "${path} should not have been written")
    endif()
endfunction()

# The text of the PDF holds the lines of the expected file, each after the one before.
# Runs of blanks count as one: the layout of the page decides how many there are.
function(expect_lines pdf expected)
    if(NOT EXISTS ${WORK}/${pdf})
        message(FATAL_ERROR "no ${pdf}")
    endif()
    execute_process(COMMAND pdftotext -layout -enc UTF-8 ${WORK}/${pdf} -
        OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "pdftotext cannot read ${pdf}")
    endif()
    string(REGEX REPLACE "[ \t]+" " " text "${text}")
    file(STRINGS ${here}/${expected} lines ENCODING UTF-8)
    set(rest "${text}")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "[ \t]+" " " line "${line}")
        string(FIND "${rest}" "${line}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${pdf}: '${line}' is missing or out of order in:\n${text}")
        endif()
        string(LENGTH "${line}" length)
        math(EXPR after "${at} + ${length}")
        string(SUBSTRING "${rest}" ${after} -1 rest)
    endforeach()
endfunction()

# The PDF holds one picture of the given size in pixels.
function(expect_image pdf width height)
    execute_process(COMMAND pdfimages -list ${WORK}/${pdf}
        OUTPUT_VARIABLE list RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT list MATCHES "image +${width} +${height} ")
        message(FATAL_ERROR "${pdf} holds no picture of ${width} x ${height}:\n${list}")
    endif()
endfunction()

# The offer's workbook read back with openpyxl as a spreadsheet program would
# (offer_workbook.py): its values, number formats and formulas.
function(expect_offer_workbook xlsx)
    set(python "")
    foreach(candidate python3 /usr/bin/python3)
        execute_process(COMMAND ${candidate} -c "import openpyxl" RESULT_VARIABLE status
            OUTPUT_QUIET ERROR_QUIET)
        if(status EQUAL 0)
            set(python ${candidate})
            break()
        endif()
    endforeach()
    if(NOT python)
        message(FATAL_ERROR "no python3 with openpyxl to read the workbook (Debian: python3-openpyxl)")
    endif()
    execute_process(COMMAND ${python} ${here}/offer_workbook.py ${WORK}/${xlsx}
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${xlsx}: ${out}${err}")
    endif()
endfunction()
