# One library of the project: its files written out, the libraries it stands on, and the
# flags every target shares. Position-independent, so that the download module can take
# what it needs of them.
#   tesmarik_library(NAME SOURCES file... [LINKS library...])
function(tesmarik_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
    add_library(${name} STATIC ${arg_SOURCES})
    target_link_libraries(${name} PUBLIC tesmarik_flags ${arg_LINKS})
    set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()
