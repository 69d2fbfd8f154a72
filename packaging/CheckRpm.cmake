# The RPM's part of CheckPackage.cmake: its name, the files it lists and owns, what it
# requires and provides, then its files unpacked into the root.
find_program(RPM rpm)
require("cannot be checked: rpm is missing (setup-debian.sh)" RPM)
run(${RPM} -qp --queryformat "%{NAME} %{VERSION}" ${package})
require("is not tesmarik ${VERSION}: ${output}" output STREQUAL "tesmarik ${VERSION}")

run(${RPM} -qpl ${package})
string(REPLACE "\n" ";" listed "${output}")
foreach(file ${program} ${module} ${entry} ${icon} ${metainfo})
    list(FIND listed /${file} found)
    require("does not list /${file}:\n${output}" found GREATER -1)
endforeach()

# The folders it owns: the module's own, and the build-id links every RPM carries. The
# shared ones (/usr/share/applications and the like) belong to the system.
run(${RPM} -qp --queryformat "[%{FILEMODES:perms} %{FILENAMES}\n]" ${package})
string(REPLACE "\n" ";" modes "${output}")
foreach(line IN LISTS modes)
    if(line MATCHES "^d[^ ]* (.*)$")
        set(folder ${CMAKE_MATCH_1})
        if(NOT folder STREQUAL "/usr/${MODULE_DIR}" AND NOT folder MATCHES "^/usr/lib/[.]build-id(/|$)")
            message(FATAL_ERROR "the package: owns the system's folder ${folder}")
        endif()
    endif()
endforeach()

# rpmbuild's scan of the program and the module: sonames every distribution provides,
# without the symbol version only Debian's libcurl defines.
run(${RPM} -qp --requires ${package})
foreach(library libQt6Widgets.so.6 libQt6Gui.so.6 libQt6Core.so.6 libcurl.so.4 libc.so.6)
    string(REPLACE "." "\\." pattern "${library}")
    require("does not require ${library}:\n${output}" output MATCHES "(^|\n)${pattern}\\(\\)")
endforeach()
require("requires a symbol version of Debian's libcurl:\n${output}"
        NOT output MATCHES "CURL_OPENSSL")
# The download module is the program's own, not offered to other packages.
run(${RPM} -qp --provides ${package})
require("offers its download module to other packages:\n${output}"
        NOT output MATCHES "tesmarik-download")

# rpm2cpio gives the files as a cpio archive, which cmake's tar unpacks.
execute_process(COMMAND rpm2cpio ${package} OUTPUT_FILE ${scratch}/files.cpio
                RESULT_VARIABLE status ERROR_VARIABLE out)
require("rpm2cpio failed (${status}): ${out}" status EQUAL 0)
run(${CMAKE_COMMAND} -E chdir ${root} ${CMAKE_COMMAND} -E tar xf ${scratch}/files.cpio)
