# The offer's documents made under a Russian locale, as most users run the program: the
# workbook reads back with every number a number (the C library would write "104,01").
# The locale is made here with localedef, so that the machine needs none installed.
include(${CMAKE_CURRENT_LIST_DIR}/PdfChecks.cmake)
if(EMULATOR)
    message(STATUS "a locale made by localedef means nothing to the Windows program: not run")
    return()
endif()
find_program(LOCALEDEF localedef)
if(NOT LOCALEDEF)
    message(WARNING "localedef is missing: no Russian locale can be made, the test is left out")
    return()
endif()
set(locales ${WORK}-locales)
file(MAKE_DIRECTORY ${locales})
execute_process(COMMAND ${LOCALEDEF} -i ru_RU -f UTF-8 ${locales}/ru_RU.UTF-8
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS ${locales}/ru_RU.UTF-8)
    message(FATAL_ERROR "localedef made no Russian locale (status ${status})")
endif()
set(ENV{LOCPATH} ${locales})
set(ENV{LC_ALL} ru_RU.UTF-8)
# The script prints before it saves the workbook: the runner's application object, made
# for printing, is what sets the locale from the environment.
run_script(offer.scn ../scenario/data/price/cost.csv)
expect_output("save dialog -> offer.xlsx")
# Read back outside the Russian locale: only the writer is under test.
unset(ENV{LC_ALL})
expect_offer_workbook(offer.xlsx)
