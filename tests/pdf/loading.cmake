include(${CMAKE_CURRENT_LIST_DIR}/PdfChecks.cmake)
run_script(loading.scn)
expect_lines(loading.pdf loading.txt)
expect_lines(printed.pdf loading.txt)
# The scheme as the tab shows it (365 x 133), drawn at four times that size.
expect_image(loading.pdf 1460 532)
expect_image(printed.pdf 1460 532)
