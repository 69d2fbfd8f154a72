# Builds the package of the build folder BUILD with CPACK for GENERATOR (DEB or RPM),
# checks what it declares, unpacks it into a scratch root and checks that it installs the
# program, its download module where the program looks for it, a valid desktop entry, its
# icon and valid AppStream metainfo of this version.
#   cmake -DGENERATOR=DEB -DCPACK=cpack -DBUILD=build -DMODULE_DIR=lib/tesmarik
#         -DAPPSTREAM_ID=example.tesmarik.tesmarik -DVERSION=1.0.0 -P packaging/CheckPackage.cmake
cmake_minimum_required(VERSION 3.25)
string(TOLOWER ${GENERATOR} kind)
# A folder per kind: the two tests may run at once.
set(scratch ${BUILD}/package-test-${kind})
set(root ${scratch}/root)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${root})

# run(COMMAND...): fails unless the command succeeds; its output is left in `output`.
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

run(${CPACK} -G ${GENERATOR} -B ${scratch} --config ${BUILD}/CPackConfig.cmake)
file(GLOB packages ${scratch}/*.${kind})
list(LENGTH packages count)
require("cpack made ${count} .${kind} files in ${scratch}" count EQUAL 1)
set(package ${packages})

set(program usr/bin/tesmarik)
set(module usr/${MODULE_DIR}/libtesmarik-download.so)
set(entry usr/share/applications/${APPSTREAM_ID}.desktop)
set(icon usr/share/icons/hicolor/256x256/apps/tesmarik.png)
set(metainfo usr/share/metainfo/${APPSTREAM_ID}.metainfo.xml)

# What the package declares, then its files unpacked into the root.
if(GENERATOR STREQUAL DEB)
    include(${CMAKE_CURRENT_LIST_DIR}/CheckDeb.cmake)
elseif(GENERATOR STREQUAL RPM)
    include(${CMAKE_CURRENT_LIST_DIR}/CheckRpm.cmake)
else()
    message(FATAL_ERROR "no check for packages of kind ${GENERATOR}")
endif()

require("has no ${program}" EXISTS ${root}/${program})
execute_process(COMMAND test -x ${root}/${program} RESULT_VARIABLE notExecutable)
require("${program} cannot be run" notExecutable EQUAL 0)
require("has no ${module}" EXISTS ${root}/${module})

require("has no desktop entry ${entry}" EXISTS ${root}/${entry})
find_program(VALIDATE desktop-file-validate)
require("cannot be checked: desktop-file-validate is missing (setup-debian.sh)" VALIDATE)
run(${VALIDATE} ${root}/${entry})
require("desktop entry with complaints:\n${output}" NOT output)
file(STRINGS ${root}/${entry} lines ENCODING UTF-8)
foreach(wanted "Name=Тесмарик" "Exec=tesmarik" "Icon=tesmarik" "Categories=Office;")
    list(FIND lines "${wanted}" found)
    require("desktop entry without ${wanted}" found GREATER -1)
endforeach()

# The icon named by the entry, in the icon theme every desktop falls back to.
file(GLOB icons ${root}/usr/share/icons/hicolor/*/apps/tesmarik.png)
require("has no icon tesmarik.png" icons)
foreach(found IN LISTS icons)
    file(READ ${found} head LIMIT 8 HEX)
    require("icon ${found} is no PNG" head STREQUAL "89504e470d0a1a0a")
endforeach()

# The metainfo of this version, which finds its desktop entry in the installed tree.
require("has no metainfo ${metainfo}" EXISTS ${root}/${metainfo})
file(READ ${root}/${metainfo} text)
require("metainfo without the release ${VERSION}" text MATCHES "<release version=\"${VERSION}\"")
set(ROOT ${root})
include(${CMAKE_CURRENT_LIST_DIR}/ValidateMetainfo.cmake)
message(STATUS "package ${package} holds the program, its module, desktop entry, icon and metainfo")
