#!/usr/bin/env bash
# Builds the Windows program and tests it under Wine: every unit test program, scenario
# script and PDF check through CTest (the same expected output as on Linux), the download
# tests against the stand-in seller, the real window on Xvfb driven through the X server,
# then the installer and the zip, and a silent install and uninstall.
# Needs the cross toolchain (packaging/windows/toolchain.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
"$root/setup-debian.sh" windows
"$root/packaging/windows/build.sh"
"$root/tests/windows/wine-prefix.sh" >/dev/null

# One Wine server for the whole run: each program then starts in a fraction of a second.
source "$root/tests/windows/wine-env.sh"
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Wine's own services start with the first program and keep its output open: started here,
# they hold no test's output, for which CTest would wait.
wine cmd /c exit >/dev/null 2>&1 </dev/null
ctest --test-dir build-windows --output-on-failure -j "$(nproc)" --timeout 600

(cd build-windows && cpack -G NSIS >/dev/null && cpack -G ZIP >/dev/null)
version=$(sed -n 's/^project(tesmarik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
installer=build-windows/tesmarik-$version-win64.exe
zip=build-windows/tesmarik-$version-win64.zip
ls -l "$installer" "$zip"
size=$(stat -c %s "$installer")
if [ "$size" -gt $((15 * 1024 * 1024)) ]; then
    echo "the installer is larger than 15 MiB: $size bytes" >&2
    exit 1
fi

# Not yet part of the run: the real window from the unpacked zip
#   python3 tests/windows/real_window.py FOLDER build-windows/tesmarik-scenario.exe SHOTS
# and the installer, xvfb-run -a tests/windows/installer.sh "$installer".
