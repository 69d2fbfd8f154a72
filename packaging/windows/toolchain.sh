#!/usr/bin/env bash
# Builds the libraries the Windows program needs, once: Qt 6.4.2 (Core, Gui, Widgets,
# PrintSupport, Network and Test) and libcurl with Schannel, both cross-compiled with
# mingw-w64 from Debian's source packages with Debian's patches applied, GoogleTest from
# the source Debian ships, and the workbook libraries (libxlsxwriter and the zlib it packs
# with, static, from Debian's source packages). Everything goes into one cache folder named
# after the versions of Qt and libcurl; a second run finds it and does nothing. A folder
# made before the workbook libraries were part of it gets them added, in a few minutes.
#   packaging/windows/toolchain.sh           build what is missing, print the folder
#   packaging/windows/toolchain.sh --path    only print the folder (it may not exist yet)
#   packaging/windows/toolchain.sh --ready   exit 0 when Qt and libcurl (the hour's work)
#                                            are there, else 1; a plain run adds the rest
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
qt_version=6.4.2
curl_version=7.88.1
cache_root=${TESMARIK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tesmarik}
prefix=$cache_root/windows-qt$qt_version-curl${curl_version%.*}

if [ "${1:-}" = --path ]; then
    echo "$prefix"
    exit 0
fi
if [ "${1:-}" = --ready ]; then
    [ -f "$prefix/.complete" ]
    exit
fi
if [ -f "$prefix/.complete" ] && [ -f "$prefix/.workbook" ]; then
    echo "Windows toolchain: $prefix (cached)"
    exit 0
fi

say() { echo "[toolchain $(date +%H:%M:%S)] $*"; }
started=$(date +%s)
toolchain=$here/mingw-w64.cmake

"$here/../../setup-debian.sh" windows

# Debian source packages fetched into the current folder through an apt configuration of
# our own with a deb-src entry, so that the system's sources stay as they are. apt-get
# source runs dpkg-source -x, which applies Debian's patches.
fetch_sources() {
    mkdir -p sources lists/partial
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >sources/src.sources
    local apt_private=(-o Dir::Etc::sourceparts="$PWD/sources" -o Dir::Etc::sourcelist=/dev/null
                       -o Dir::State::Lists="$PWD/lists")
    apt-get "${apt_private[@]}" update -qq
    apt-get "${apt_private[@]}" source -qq "$@" >fetch.log 2>&1 || { tail -n 30 fetch.log; return 1; }
}

# libxlsxwriter, which writes the .xlsx workbooks, and zlib, with which it packs them:
# static libraries, so that the program carries them and needs no more DLLs.
build_workbook_libraries() {
    local work=$cache_root/windows-work-workbook
    rm -rf "$work"
    mkdir -p "$work"
    cd "$work"
    say "fetching the Debian source packages of zlib and libxlsxwriter"
    # A mirror without the security updates still has the release's own versions.
    fetch_sources zlib libxlsxwriter || {
        say "no sources of the security updates: taking those of the release"
        fetch_sources -t bookworm zlib libxlsxwriter
    }
    local zlib_src xlsxwriter_src
    zlib_src=$(find "$work" -maxdepth 1 -type d -name "zlib-*" | head -n 1)
    xlsxwriter_src=$(find "$work" -maxdepth 1 -type d -name "libxlsxwriter-*" | head -n 1)
    [ -d "$zlib_src" ] && [ -d "$xlsxwriter_src" ] \
        || { echo "toolchain: zlib or libxlsxwriter not unpacked" >&2; exit 1; }
    say "building zlib and libxlsxwriter"
    cmake -S "$zlib_src" -B build-zlib -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release >zlib.log 2>&1 || { tail -n 40 zlib.log; exit 1; }
    cmake --build build-zlib --target zlibstatic >>zlib.log 2>&1 || { tail -n 40 zlib.log; exit 1; }
    mkdir -p "$prefix/include" "$prefix/lib"
    cp "$zlib_src/zlib.h" build-zlib/zconf.h "$prefix/include/"
    cp build-zlib/libzlibstatic.a "$prefix/lib/libz.a"
    cmake -S "$xlsxwriter_src" -B build-xlsxwriter -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
        -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include" \
        >xlsxwriter.log 2>&1 || { tail -n 40 xlsxwriter.log; exit 1; }
    cmake --build build-xlsxwriter >>xlsxwriter.log 2>&1 || { tail -n 40 xlsxwriter.log; exit 1; }
    cmake --install build-xlsxwriter >/dev/null
    # Its pkg-config file names the folder it was built for; the program finds the
    # library in the toolchain's folder directly.
    rm -f "$prefix/lib/pkgconfig/xlsxwriter.pc"
    touch "$prefix/.workbook"
    cd "$cache_root"
    rm -rf "$work"
}

if [ -f "$prefix/.complete" ]; then
    build_workbook_libraries
    say "done in $(( ($(date +%s) - started) / 60 )) min: $prefix"
    exit 0
fi

work=$cache_root/windows-work
rm -rf "$prefix" "$work"
mkdir -p "$work"
cd "$work"

say "fetching the Debian source packages of qt6-base and curl"
fetch_sources qt6-base curl || exit 1
qt_src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
curl_src=$(find "$work" -maxdepth 1 -type d -name "curl-$curl_version*" | head -n 1)
[ -d "$qt_src" ] && [ -d "$curl_src" ] || { echo "toolchain: sources not unpacked" >&2; exit 1; }

say "building libcurl $curl_version with Schannel"
cmake -S "$curl_src" -B build-curl -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
    -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DUSE_LIBIDN2=OFF -DCURL_USE_LIBSSH2=OFF \
    -DUSE_NGHTTP2=OFF -DCURL_ZLIB=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF \
    -DCURL_DISABLE_LDAP=ON >curl-configure.log 2>&1 || { tail -n 40 curl-configure.log; exit 1; }
cmake --build build-curl --parallel "$(nproc)" >curl-build.log 2>&1 \
    || { tail -n 40 curl-build.log; exit 1; }
cmake --install build-curl >/dev/null

say "building GoogleTest from /usr/src/googletest"
cmake -S /usr/src/googletest -B build-gtest -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -Dgtest_disable_pthreads=OFF >gtest.log 2>&1 || { tail -n 40 gtest.log; exit 1; }
cmake --build build-gtest --parallel "$(nproc)" >>gtest.log 2>&1 || { tail -n 40 gtest.log; exit 1; }
cmake --install build-gtest >/dev/null

# Debian's tarball has no wintab header, which the platform plugin's tablet support
# includes; nothing here uses a drawing tablet. OpenGL and Direct2D stay at the Windows
# defaults: without them the platform plugin or PrintSupport does not build.
say "configuring Qt $qt_version (about 1,300 steps, about 50 minutes on 2 cores)"
cmake -S "$qt_src" -B build-qt -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_openssl=OFF -DFEATURE_tabletevent=OFF \
    >qt-configure.log 2>&1 || { tail -n 60 qt-configure.log; exit 1; }
say "building Qt"
cmake --build build-qt --parallel "$(nproc)" >qt-build.log 2>&1 \
    || { grep -m 20 -B 5 'error' qt-build.log; tail -n 20 qt-build.log; exit 1; }
cmake --install build-qt >/dev/null

touch "$prefix/.complete"
cd "$cache_root"
rm -rf "$work"
build_workbook_libraries
say "done in $(( ($(date +%s) - started) / 60 )) min: $prefix"
