# The Windows program as the seller hands it out: cpack -G NSIS makes the installer,
# cpack -G ZIP the portable zip. Everything lies in one folder, as Windows programs are
# laid out: tesmarik.exe, its download module with libcurl, Qt with the plugins and the
# Russian texts the window needs, the mingw runtime, and the licences of what is shipped.
# The same folder is laid out in the build folder's runtime/, from which the tests run.

set(TESMARIK_WINDOWS_PREFIX ${QT6_INSTALL_PREFIX})
get_filename_component(mingw_gcc_dir ${CMAKE_CXX_COMPILER} DIRECTORY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
    OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
    OUTPUT_VARIABLE libwinpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(dll IN ITEMS ${libstdcxx} ${libgcc} ${libwinpthread})
    if(NOT IS_ABSOLUTE ${dll} OR NOT EXISTS ${dll})
        message(FATAL_ERROR "The mingw runtime DLL ${dll} was not found")
    endif()
endforeach()

# Source file, then its place in the program's folder.
set(runtime_files
    ${TESMARIK_WINDOWS_PREFIX}/bin/Qt6Core.dll Qt6Core.dll
    ${TESMARIK_WINDOWS_PREFIX}/bin/Qt6Gui.dll Qt6Gui.dll
    ${TESMARIK_WINDOWS_PREFIX}/bin/Qt6Widgets.dll Qt6Widgets.dll
    ${TESMARIK_WINDOWS_PREFIX}/bin/Qt6PrintSupport.dll Qt6PrintSupport.dll
    ${TESMARIK_WINDOWS_PREFIX}/plugins/platforms/qwindows.dll platforms/qwindows.dll
    ${TESMARIK_WINDOWS_PREFIX}/plugins/styles/qwindowsvistastyle.dll
        styles/qwindowsvistastyle.dll
    ${TESMARIK_WINDOWS_PREFIX}/bin/libcurl.dll libcurl.dll
    ${libstdcxx} libstdc++-6.dll
    ${libgcc} libgcc_s_seh-1.dll
    ${libwinpthread} libwinpthread-1.dll)
# Shipped as they are: Qt's Russian texts (the same file the Linux program loads), where
# Qt finds its plugins and texts, and the licences.
set(runtime_texts
    ${CMAKE_SOURCE_DIR}/packaging/windows/qt.conf qt.conf
    /usr/share/qt6/translations/qtbase_ru.qm translations/qtbase_ru.qm
    /usr/share/common-licenses/LGPL-3 licenses/Qt/LGPL-3.txt
    /usr/share/common-licenses/GPL-3 licenses/Qt/GPL-3.txt
    /usr/share/doc/libqt6core6/copyright licenses/Qt/copyright.txt
    /usr/share/doc/libcurl4/copyright licenses/curl/copyright.txt
    /usr/share/doc/mingw-w64-common/copyright licenses/mingw-w64/copyright.txt
    /usr/share/doc/gcc-mingw-w64-base/copyright licenses/gcc-runtime/copyright.txt)
# libxlsxwriter (the spreadsheet files, a DLL of toolchain.sh with zlib linked in) and its
# licences, only when the program links it: the workbook library is what links it.
if(TARGET tesmarik_workbook)
    list(APPEND runtime_files
        ${TESMARIK_WINDOWS_PREFIX}/bin/libxlsxwriter.dll libxlsxwriter.dll)
    list(APPEND runtime_texts
        ${TESMARIK_WINDOWS_PREFIX}/share/licenses/libxlsxwriter/License.txt
            licenses/libxlsxwriter/License.txt
        ${TESMARIK_WINDOWS_PREFIX}/share/licenses/zlib/copyright.txt
            licenses/zlib/copyright.txt)
endif()
# SQLite (the program's database, a DLL of toolchain.sh) and its notice, when the memory
# library is built: it is what links it.
if(TARGET tesmarik_memory)
    list(APPEND runtime_files ${TESMARIK_WINDOWS_PREFIX}/bin/sqlite3.dll sqlite3.dll)
    list(APPEND runtime_texts
        ${TESMARIK_WINDOWS_PREFIX}/share/licenses/sqlite3/copyright.txt
            licenses/sqlite3/copyright.txt)
endif()

set(runtime_dir ${CMAKE_BINARY_DIR}/runtime)
set(runtime_outputs)
# Lays each pair "source, place" of the list into the runtime folder and installs it from
# there; with STRIP the file is stripped on the way (the DLLs: the program needs no
# symbols, the download is smaller), else copied as it is.
function(tesmarik_runtime_files pairs mode)
    list(LENGTH pairs count)
    math(EXPR last "${count} - 1")
    foreach(i RANGE 0 ${last} 2)
        math(EXPR j "${i} + 1")
        list(GET pairs ${i} from)
        list(GET pairs ${j} to)
        if(NOT EXISTS ${from})
            message(FATAL_ERROR "${from} is missing (packaging/windows/toolchain.sh installs it)")
        endif()
        get_filename_component(to_dir ${runtime_dir}/${to} DIRECTORY)
        if(mode STREQUAL STRIP)
            set(lay ${CMAKE_STRIP} --strip-unneeded -o ${runtime_dir}/${to} ${from})
        else()
            set(lay ${CMAKE_COMMAND} -E copy ${from} ${runtime_dir}/${to})
        endif()
        add_custom_command(OUTPUT ${runtime_dir}/${to}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${to_dir}
            COMMAND ${lay}
            DEPENDS ${from} VERBATIM)
        list(APPEND runtime_outputs ${runtime_dir}/${to})
        get_filename_component(install_dir ${to} DIRECTORY)
        install(FILES ${runtime_dir}/${to} DESTINATION ./${install_dir})
    endforeach()
    set(runtime_outputs ${runtime_outputs} PARENT_SCOPE)
endfunction()
tesmarik_runtime_files("${runtime_files}" STRIP)
tesmarik_runtime_files("${runtime_texts}" COPY)
add_custom_target(tesmarik_runtime ALL DEPENDS ${runtime_outputs})

# The seller's terms of use, shown by the installer before it installs: the licence texts
# laid out above are listed in them with their files, each under its library's name.
set(licence_names
    Qt "Qt 6 (окно, печать, PDF) — GNU LGPL 3"
    curl "curl (загрузка прайс-листа) — лицензия curl"
    libxlsxwriter "libxlsxwriter (файлы Excel) — лицензия BSD"
    zlib "zlib (сжатие файлов Excel) — лицензия zlib"
    sqlite3 "SQLite (база данных программы) — общественное достояние"
    mingw-w64 "mingw-w64 (среда выполнения Windows) — лицензии ZPL, MIT и другие"
    gcc-runtime "библиотеки GCC (среда выполнения C++) — GNU GPL 3 с исключением для библиотек")
set(TESMARIK_SHIPPED_LICENCES "")
list(LENGTH licence_names licence_count)
math(EXPR licence_last "${licence_count} - 1")
foreach(i RANGE 0 ${licence_last} 2)
    math(EXPR j "${i} + 1")
    list(GET licence_names ${i} folder)
    list(GET licence_names ${j} caption)
    set(files "")
    foreach(place IN LISTS runtime_texts)
        if(place MATCHES "^licenses/${folder}/")
            string(REPLACE "/" "\\" place "${place}")
            list(APPEND files ${place})
        endif()
    endforeach()
    if(files)
        list(JOIN files ", " files)
        string(APPEND TESMARIK_SHIPPED_LICENCES "   • ${caption}: ${files}\n")
    endif()
endforeach()
set(TESMARIK_WINDOWS_TERMS ${CMAKE_BINARY_DIR}/packaging/terms.txt)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/terms.txt.in ${TESMARIK_WINDOWS_TERMS}
    @ONLY NEWLINE_STYLE CRLF)

# The installer's pictures, drawn from the logo by the tool that draws the icon: the side
# picture of the first and the last page, and the header picture of the other pages.
set(TESMARIK_INSTALLER_SIDE ${CMAKE_BINARY_DIR}/packaging/installer-side.bmp)
set(TESMARIK_INSTALLER_HEADER ${CMAKE_BINARY_DIR}/packaging/installer-header.bmp)
add_custom_command(OUTPUT ${TESMARIK_INSTALLER_SIDE} ${TESMARIK_INSTALLER_HEADER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${TESMARIK_RENDER_PICTURE} info-installer-side 164 314 ${TESMARIK_INSTALLER_SIDE}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${TESMARIK_RENDER_PICTURE} info-installer-header 150 57 ${TESMARIK_INSTALLER_HEADER}
    DEPENDS ${TESMARIK_RENDER_PICTURE_DEPENDS}
    COMMENT "Drawing the installer's pictures"
    VERBATIM)
add_custom_target(tesmarik_installer_pictures ALL
    DEPENDS ${TESMARIK_INSTALLER_SIDE} ${TESMARIK_INSTALLER_HEADER})

install(TARGETS tesmarik RUNTIME DESTINATION .)
install(TARGETS tesmarik-download LIBRARY DESTINATION .)

set(CPACK_PACKAGE_NAME tesmarik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${TESMARIK_SELLER_NAME}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Тесмарик - универсальный трубный калькулятор")
set(CPACK_SYSTEM_NAME win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME tesmarik-${PROJECT_VERSION}-win64)
# The installer's name gets "-setup" (packaging/windows/cpack-per-generator.cmake).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/packaging/windows/cpack-per-generator.cmake)
# The zip unpacks into a folder of its own, which runs from wherever it is put.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

# The installer (our template, packaging/windows/NSIS.template.in): Russian texts, the
# terms of use, Program Files, a Start-menu entry and a desktop shortcut "Тесмарик", an
# uninstaller listed among the installed programs.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging/windows)
set(CPACK_NSIS_DISPLAY_NAME "Тесмарик")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tesmarik)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tesmarik)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${TESMARIK_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${TESMARIK_WINDOWS_ICON})
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${TESMARIK_INSTALLER_SIDE})
set(CPACK_NSIS_MUI_HEADERIMAGE ${TESMARIK_INSTALLER_HEADER})
set(CPACK_RESOURCE_FILE_LICENSE ${TESMARIK_WINDOWS_TERMS})
set(CPACK_NSIS_INSTALLED_ICON_NAME tesmarik.exe)
set(CPACK_NSIS_URL_INFO_ABOUT https://${TESMARIK_SELLER_HOST}/)
set(CPACK_NSIS_CONTACT info@${TESMARIK_SELLER_HOST})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_GENERATOR NSIS ZIP)
include(CPack)
