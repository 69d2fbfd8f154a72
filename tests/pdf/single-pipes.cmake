include(${CMAKE_CURRENT_LIST_DIR}/PdfChecks.cmake)
run_script(single-pipes.scn)
expect_lines(single-pipes.pdf single-pipes.txt)
