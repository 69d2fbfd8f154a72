#!/usr/bin/env bash
# Builds the libraries the Windows program needs, once: Qt 6.4.2 (Core, Gui, Widgets,
# PrintSupport, Network and Test) and libcurl with Schannel, both cross-compiled with
# mingw-w64 from Debian's source packages with Debian's patches applied, and GoogleTest
# from the source Debian ships. Everything goes into one cache folder named after the
# versions; a second run finds it and does nothing.
#   packaging/windows/toolchain.sh           build when missing, print the folder
#   packaging/windows/toolchain.sh --path    only print the folder (it may not exist yet)
#   packaging/windows/toolchain.sh --ready   exit 0 when the toolchain is there, else 1
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
if [ -f "$prefix/.complete" ]; then
    echo "Windows toolchain: $prefix (cached)"
    exit 0
fi

say() { echo "[toolchain $(date +%H:%M:%S)] $*"; }
started=$(date +%s)

"$here/../../setup-debian.sh" windows

work=$cache_root/windows-work
rm -rf "$prefix" "$work"
mkdir -p "$work/sources" "$work/lists/partial"
cd "$work"

# The source packages through an apt configuration of our own with a deb-src entry, so
# that the system's sources stay as they are.
say "fetching the Debian source packages of qt6-base and curl"
sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >sources/src.sources
apt_private=(-o Dir::Etc::sourceparts="$work/sources" -o Dir::Etc::sourcelist=/dev/null
             -o Dir::State::Lists="$work/lists")
apt-get "${apt_private[@]}" update -qq
# apt-get source runs dpkg-source -x, which applies Debian's patches.
apt-get "${apt_private[@]}" source -qq qt6-base curl \
    >fetch.log 2>&1 || { tail -n 30 fetch.log; exit 1; }
qt_src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
curl_src=$(find "$work" -maxdepth 1 -type d -name "curl-$curl_version*" | head -n 1)
[ -d "$qt_src" ] && [ -d "$curl_src" ] || { echo "toolchain: sources not unpacked" >&2; exit 1; }

toolchain=$here/mingw-w64.cmake

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
say "done in $(( ($(date +%s) - started) / 60 )) min: $prefix"
