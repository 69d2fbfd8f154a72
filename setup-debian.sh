#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when any is missing.
#   ./setup-debian.sh        everything: the program, the tests, fuzzing, the packages
#   ./setup-debian.sh run    only what building the program and opening its window need
#   ./setup-debian.sh windows  the cross compiler, Wine and NSIS for the Windows program
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6network6
          qt6-qpa-plugins qt6-translations-l10n libcurl4-openssl-dev libgl1-mesa-dev
          fonts-dejavu-core fonts-liberation2 python3 libxlsxwriter-dev libsqlite3-dev)
if [ "${1:-}" = windows ]; then
    # mingw-w64 with posix threads, Debian's source packages unpacked with their patches
    # (dpkg-dev), tclsh for SQLite's source generators, the host Qt tools the cross Qt
    # runs (moc, rcc, uic), GoogleTest's source, Wine with the fonts the window's texts are
    # laid out in, NSIS for the installer, Xvfb with xdotool to drive the real window under
    # Wine, and the locales' sources for the Russian test prefix.
    packages=(cmake ninja-build g++ pkg-config dpkg-dev g++-mingw-w64-x86-64-posix
              qt6-base-dev qt6-base-dev-tools qt6-translations-l10n googletest
              wine wine64 fonts-wine fonts-liberation2 nsis xvfb xauth xdotool icewm
              x11-utils imagemagick python3 zip unzip libcurl4-openssl-dev libgl1-mesa-dev
              poppler-utils xclip libz-mingw-w64-dev locales tcl)
elif [ "${1:-}" != run ]; then
    # The tests: GoogleTest, the real display (Xvfb, input through XTEST), fuzzing with
    # clang, the Debian package and the RPM with their AppStream metainfo, reading PDF
    # reports (poppler-utils) and workbooks (python3-openpyxl) back, and Google Benchmark
    # for bench/run.sh.
    packages+=(libbenchmark-dev libgtest-dev libgmock-dev xvfb xauth libx11-dev libxtst-dev
               clang libclang-rt-14-dev dpkg-dev desktop-file-utils rpm appstream
               poppler-utils xclip python3-openpyxl)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
