# Lets appstreamcli judge the AppStream metainfo: the file METAINFO alone, or the
# installed tree ROOT, where the metainfo must also find its desktop entry. Any complaint
# above a pedantic hint fails.
#   cmake -DMETAINFO=build/packaging/example.tesmarik.tesmarik.metainfo.xml -P packaging/ValidateMetainfo.cmake
#   cmake -DROOT=scratch/root -P packaging/ValidateMetainfo.cmake
cmake_minimum_required(VERSION 3.25)
find_program(APPSTREAMCLI appstreamcli)
if(NOT APPSTREAMCLI)
    message(FATAL_ERROR "the metainfo cannot be checked: appstreamcli is missing (setup-debian.sh)")
endif()
if(DEFINED ROOT)
    set(what validate-tree ${ROOT})
else()
    set(what validate ${METAINFO})
endif()
# The screenshot and the home page are on the seller's site, which a build machine need not
# reach (the default host is a reserved name that never resolves), so the links are not
# followed. The validator takes only Latin capitals for capitals, so a Russian summary or
# description would always be "not capitalized"; the top-level domain of the id, .example,
# is unknown to it.
execute_process(
    COMMAND ${APPSTREAMCLI} ${what} --no-net --strict --explain
            --override=summary-first-word-not-capitalized=pedantic,description-first-word-not-capitalized=pedantic,cid-maybe-not-rdns=pedantic
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects the metainfo (${status}):\n${out}")
endif()
message(STATUS "appstreamcli accepts the metainfo")
