# The operating system's own reasons for a failure as this platform words them: REASONS,
# when set, names a file of lines "REASON|OTHER" (REASON as Linux words it in the expected
# output, OTHER as this platform does; lines starting with # are notes). Replaces each
# REASON in the variable named by text_var.
function(tesmarik_platform_reasons text_var)
    if(NOT REASONS)
        return()
    endif()
    set(text "${${text_var}}")
    file(STRINGS ${REASONS} pairs ENCODING UTF-8)
    foreach(pair IN LISTS pairs)
        if(NOT pair MATCHES "^#" AND pair MATCHES "^([^|]+)\\|(.+)$")
            string(REPLACE "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" text "${text}")
        endif()
    endforeach()
    set(${text_var} "${text}" PARENT_SCOPE)
endfunction()
