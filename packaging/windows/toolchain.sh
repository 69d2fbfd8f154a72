#!/usr/bin/env bash
# Builds the libraries the Windows program needs, once: Qt 6.4.2 (Core, Gui, Widgets,
# PrintSupport, Network and Test) and libcurl with Schannel, both cross-compiled with
# mingw-w64 from Debian's source packages with Debian's patches applied, GoogleTest from
# the source Debian ships, libxlsxwriter (the spreadsheet files) from Debian's source
# package, with Debian's mingw zlib linked into it, and SQLite (the program's database)
# from Debian's source package. Everything goes into one cache folder named after the
# versions; a second run finds it and does nothing. Each step has its own mark of
# completion, so a step added later (libxlsxwriter, SQLite) is built into an existing
# cache without building Qt again.
#   packaging/windows/toolchain.sh           build what is missing, print the folder
#   packaging/windows/toolchain.sh --path    only print the folder (it may not exist yet)
#   packaging/windows/toolchain.sh --ready   exit 0 when the toolchain is there, else 1
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
qt_version=6.4.2
curl_version=7.88.1
xlsxwriter_version=1.1.4
sqlite_version=3.40.1
cache_root=${TESMARIK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tesmarik}
prefix=$cache_root/windows-qt$qt_version-curl${curl_version%.*}
# The marks of the steps: Qt, libcurl and GoogleTest; libxlsxwriter; SQLite.
qt_done=$prefix/.complete
xlsxwriter_done=$prefix/.libxlsxwriter-$xlsxwriter_version-complete
sqlite_done=$prefix/.sqlite3-$sqlite_version-complete
all_done() { [ -f "$qt_done" ] && [ -f "$xlsxwriter_done" ] && [ -f "$sqlite_done" ]; }

if [ "${1:-}" = --path ]; then
    echo "$prefix"
    exit 0
fi
if [ "${1:-}" = --ready ]; then
    all_done
    exit
fi
if all_done; then
    echo "Windows toolchain: $prefix (cached)"
    exit 0
fi

say() { echo "[toolchain $(date +%H:%M:%S)] $*"; }
started=$(date +%s)

"$here/../../setup-debian.sh" windows

work=$cache_root/windows-work
rm -rf "$work"
mkdir -p "$work/sources" "$work/lists/partial"
cd "$work"
toolchain=$here/mingw-w64.cmake

# Debian's source packages through an apt configuration of our own with a deb-src entry,
# so that the system's sources stay as they are; apt-get source runs dpkg-source -x,
# which applies Debian's patches. Prints the folder the source was unpacked into.
apt_private=(-o Dir::Etc::sourceparts="$work/sources" -o Dir::Etc::sourcelist=/dev/null
             -o Dir::State::Lists="$work/lists")
source_package() {  # source_package NAME VERSION
    if [ ! -f sources/src.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            >sources/src.sources
        apt-get "${apt_private[@]}" update -qq >&2
    fi
    apt-get "${apt_private[@]}" source -qq "$1" >"fetch-$1.log" 2>&1 \
        || { tail -n 30 "fetch-$1.log" >&2; exit 1; }
    local unpacked
    unpacked=$(find "$work" -maxdepth 1 -type d -name "$1-$2*" | head -n 1)
    [ -d "$unpacked" ] || { echo "toolchain: $1 $2 not unpacked" >&2; exit 1; }
    echo "$unpacked"
}

# Qt, libcurl and GoogleTest.
qt_curl_gtest() {
    rm -rf "$prefix"
    say "fetching the Debian source packages of qt6-base and curl"
    qt_src=$(source_package qt6-base "$qt_version")
    curl_src=$(source_package curl "$curl_version")

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

    touch "$qt_done"
    say "Qt, libcurl and GoogleTest done after $(( ($(date +%s) - started) / 60 )) min"
}

libxlsxwriter() {
    # A DLL of its own, with Debian's mingw zlib linked in (Debian ships no zlib DLL for
    # mingw); its bundled minizip and temporary-file code (tmpfileplus) as upstream has them.
    say "fetching the Debian source package of libxlsxwriter"
    xlsxwriter_src=$(source_package libxlsxwriter "$xlsxwriter_version")
    say "building libxlsxwriter $xlsxwriter_version"
    mingw=/usr/x86_64-w64-mingw32
    cmake -S "$xlsxwriter_src" -B build-xlsxwriter -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
        -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF -DUSE_SYSTEM_MINIZIP=OFF \
        -DZLIB_INCLUDE_DIR="$mingw/include" -DZLIB_LIBRARY="$mingw/lib/libz.a" \
        >xlsxwriter.log 2>&1 || { tail -n 40 xlsxwriter.log; exit 1; }
    cmake --build build-xlsxwriter --parallel "$(nproc)" >>xlsxwriter.log 2>&1 \
        || { tail -n 40 xlsxwriter.log; exit 1; }
    cmake --install build-xlsxwriter >/dev/null
    # Its licence (with those of the code it bundles) and zlib's, for the packages.
    mkdir -p "$prefix/share/licenses/libxlsxwriter" "$prefix/share/licenses/zlib"
    cp "$xlsxwriter_src/License.txt" "$prefix/share/licenses/libxlsxwriter/License.txt"
    cp /usr/share/doc/libz-mingw-w64-dev/copyright "$prefix/share/licenses/zlib/copyright.txt"
    touch "$xlsxwriter_done"
}

sqlite3() {
    # One sqlite3.c (the amalgamation), made by the source's own build on this machine (its
    # generators run here, with tclsh), compiled into sqlite3.dll by the mingw compiler.
    say "fetching the Debian source package of sqlite3"
    sqlite_src=$(source_package sqlite3 "$sqlite_version")
    say "building SQLite $sqlite_version"
    mkdir -p build-sqlite
    (cd build-sqlite && "$sqlite_src/configure" --disable-tcl >../sqlite.log 2>&1 \
        && make sqlite3.c >>../sqlite.log 2>&1) || { tail -n 40 sqlite.log; exit 1; }
    # Threads as Debian builds them; the rest at SQLite's defaults.
    x86_64-w64-mingw32-gcc-posix -O2 -shared -DSQLITE_THREADSAFE=1 -o build-sqlite/sqlite3.dll \
        build-sqlite/sqlite3.c -Wl,--out-implib,build-sqlite/libsqlite3.dll.a >>sqlite.log 2>&1 \
        || { tail -n 40 sqlite.log; exit 1; }
    mkdir -p "$prefix/bin" "$prefix/lib" "$prefix/include" "$prefix/share/licenses/sqlite3"
    cp build-sqlite/sqlite3.dll "$prefix/bin/"
    cp build-sqlite/libsqlite3.dll.a "$prefix/lib/"
    cp build-sqlite/sqlite3.h "$sqlite_src/src/sqlite3ext.h" "$prefix/include/"
    # SQLite is in the public domain; its notice as Debian states it.
    cp "$sqlite_src/debian/copyright" "$prefix/share/licenses/sqlite3/copyright.txt"
    touch "$sqlite_done"
}

[ -f "$qt_done" ] || qt_curl_gtest
[ -f "$xlsxwriter_done" ] || libxlsxwriter
[ -f "$sqlite_done" ] || sqlite3

cd "$cache_root"
rm -rf "$work"
say "done in $(( ($(date +%s) - started) / 60 )) min: $prefix"
