# The toolchain file of the Windows program: mingw-w64, and the Qt, libcurl and GoogleTest
# that toolchain.sh built for it, found in its cache folder; the host's Qt tools (moc, rcc)
# run at build time.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/toolchain.sh --path
    OUTPUT_VARIABLE TESMARIK_WINDOWS_LIBRARIES OUTPUT_STRIP_TRAILING_WHITESPACE)
list(APPEND CMAKE_FIND_ROOT_PATH ${TESMARIK_WINDOWS_LIBRARIES})
list(APPEND CMAKE_PREFIX_PATH ${TESMARIK_WINDOWS_LIBRARIES})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
# pkg-config finds the Windows libraries only (libxlsxwriter, zlib), never this machine's.
set(ENV{PKG_CONFIG_LIBDIR}
    "${TESMARIK_WINDOWS_LIBRARIES}/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
