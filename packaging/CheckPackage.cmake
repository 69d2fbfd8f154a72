# Builds the Debian package of the build folder BUILD with CPACK, unpacks it into a
# scratch root and checks that it installs the program, a valid desktop entry and its
# icon, its download module where the program looks for it, and declares the libraries
# it needs.
#   cmake -DCPACK=cpack -DBUILD=build -DMODULE_DIR=lib/tesmarik -P packaging/CheckPackage.cmake
set(scratch ${BUILD}/package-test)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch}/root)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${status}):\n${out}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

# require(WHAT CONDITION...): fails with WHAT unless the condition holds.
function(require what)
    if(NOT (${ARGN}))
        message(FATAL_ERROR "the package: ${what}")
    endif()
endfunction()

run(${CPACK} -G DEB -B ${scratch} --config ${BUILD}/CPackConfig.cmake)
file(GLOB debs ${scratch}/*.deb)
list(LENGTH debs count)
require("cpack made ${count} .deb files in ${scratch}" count EQUAL 1)

run(dpkg-deb --field ${debs} Package Depends)
require("is not named tesmarik:\n${output}" output MATCHES "Package: tesmarik")
foreach(library libqt6widgets6 libqt6gui6 libqt6core6 libcurl4 libc6 qt6-qpa-plugins
        qt6-translations-l10n)
    require("does not depend on ${library}:\n${output}" output MATCHES "${library}")
endforeach()

run(dpkg-deb -x ${debs} ${scratch}/root)
set(root ${scratch}/root)
require("has no usr/bin/tesmarik" EXISTS ${root}/usr/bin/tesmarik)
execute_process(COMMAND test -x ${root}/usr/bin/tesmarik RESULT_VARIABLE notExecutable)
require("usr/bin/tesmarik cannot be run" notExecutable EQUAL 0)
require("has no usr/${MODULE_DIR}/libtesmarik-download.so"
        EXISTS ${root}/usr/${MODULE_DIR}/libtesmarik-download.so)

set(entry ${root}/usr/share/applications/tesmarik.desktop)
require("has no desktop entry" EXISTS ${entry})
find_program(VALIDATE desktop-file-validate)
require("cannot be checked: desktop-file-validate is missing (setup-debian.sh)" VALIDATE)
run(${VALIDATE} ${entry})
require("desktop entry with complaints:\n${output}" NOT output)
file(STRINGS ${entry} lines ENCODING UTF-8)
foreach(wanted "Name=Тесмарик" "Exec=tesmarik" "Icon=tesmarik" "Categories=Office;")
    list(FIND lines "${wanted}" found)
    require("desktop entry without ${wanted}" found GREATER -1)
endforeach()

# The icon named by the entry, in the icon theme every desktop falls back to.
file(GLOB icons ${root}/usr/share/icons/hicolor/*/apps/tesmarik.png)
require("has no icon tesmarik.png" icons)
foreach(icon IN LISTS icons)
    file(READ ${icon} head LIMIT 8 HEX)
    require("icon ${icon} is no PNG" head STREQUAL "89504e470d0a1a0a")
endforeach()
message(STATUS "package ${debs} holds the program, its module, desktop entry and icon")
