# Offers of one, ten and forty positions on paper: every number whole in its column, the
# table's heading over its rows on every page, no row split between two pages.
include(${CMAKE_CURRENT_LIST_DIR}/PdfChecks.cmake)
run_script(offer-pages.scn ../scenario/data/price/cost.csv one.offer ten.offer forty.offer)
expect_output("print dialog -> forty.pdf")

# The text of each page of a PDF file, blanks run together.
function(page_texts pdf out)
    execute_process(COMMAND pdfinfo ${WORK}/${pdf} OUTPUT_VARIABLE info)
    string(REGEX MATCH "Pages: +([0-9]+)" _ "${info}")
    set(pages ${CMAKE_MATCH_1})
    set(texts "")
    foreach(page RANGE 1 ${pages})
        execute_process(COMMAND pdftotext -layout -enc UTF-8 -f ${page} -l ${page} ${WORK}/${pdf} -
            OUTPUT_VARIABLE text)
        string(REGEX REPLACE "[ \t]+" " " text "${text}")
        string(REPLACE ";" "<semicolon>" text "${text}")
        list(APPEND texts "${text}")
    endforeach()
    set(${out} "${texts}" PARENT_SCOPE)
endfunction()

foreach(case one:1 ten:10 forty:40)
    string(REPLACE ":" ";" case ${case})
    list(GET case 0 name)
    list(GET case 1 count)
    page_texts(${name}.pdf pages)
    list(LENGTH pages page_count)
    if(count EQUAL 40 AND page_count LESS 2)
        message(FATAL_ERROR "forty positions on ${page_count} page")
    endif()
    # Each position's row whole on one page: its number and its name on one line, and
    # its figures after them (the cost of 100 × k m of its size).
    foreach(k RANGE 1 ${count})
        set(found 0)
        foreach(text IN LISTS pages)
            if(text MATCHES "\n ?${k} Труба [0-9]+×[0-9]+ ст\\.[^\n]* ${k}00 м [^\n]*[0-9],[0-9][0-9] [0-9]+\n")
                math(EXPR found "${found} + 1")
            endif()
        endforeach()
        if(NOT found EQUAL 1)
            message(FATAL_ERROR "${name}.pdf: row ${k} is not whole on one page (${found}):\n${pages}")
        endif()
    endforeach()
    # The heading opens the table on every page a row of it stands on.
    foreach(text IN LISTS pages)
        if(text MATCHES "\n ?[0-9]+ Труба" AND NOT text MATCHES "№ Наименование Кол-во Ед\\.")
            message(FATAL_ERROR "${name}.pdf: a page of rows without the heading:\n${text}")
        endif()
    endforeach()
    # The letterhead and the totals once, on the first page and on the last.
    list(GET pages 0 first)
    list(GET pages -1 last)
    if(NOT first MATCHES "ООО \"Тесмарик-Трубы\"" OR NOT last MATCHES "\n ?Итого [0-9]")
        message(FATAL_ERROR "${name}.pdf: no letterhead first or no totals last:\n${pages}")
    endif()
    # Page images to look at, beside the screenshots of the window.
    find_program(PDFTOPPM pdftoppm)
    if(PDFTOPPM AND SCREENSHOTS)
        file(MAKE_DIRECTORY ${SCREENSHOTS})
        execute_process(COMMAND ${PDFTOPPM} -r 80 -png ${WORK}/${name}.pdf
            ${SCREENSHOTS}/offer-${count}-positions)
    endif()
endforeach()
