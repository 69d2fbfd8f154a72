#!/usr/bin/env bash
# Builds the Windows program and tests it under Wine: every unit test program, scenario
# script and PDF check through CTest (the same expected output as on Linux), the download
# tests against the stand-in seller; then the installer and the zip, the real window of the
# unpacked zip on Xvfb driven through the X server, and the installer and the uninstaller
# through their pages.
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
# So do the desktop process (explorer /desktop) and COM's rpcss, which the first window
# starts: the empty window of the start benchmark, shown once, starts them here.
timeout 60 tests/windows/wine-run.sh build-windows/bench/tesmarik-bench-empty.exe \
    >/dev/null 2>&1 </dev/null || true
ctest --test-dir build-windows --output-on-failure -j "$(nproc)" --timeout 600

(cd build-windows && cpack -G NSIS >/dev/null && cpack -G ZIP >/dev/null)
# The same program packed as an older version, which the installer's test upgrades.
(cd build-windows && cpack -G NSIS -B older -D CPACK_PACKAGE_VERSION=0.0.1 \
    -D CPACK_PACKAGE_FILE_NAME=tesmarik-0.0.1-win64 >/dev/null)
version=$(sed -n 's/^project(tesmarik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
installer=build-windows/tesmarik-$version-win64-setup.exe
zip=build-windows/tesmarik-$version-win64.zip
ls -l "$installer" "$zip"
size=$(stat -c %s "$installer")
if [ "$size" -gt $((15 * 1024 * 1024)) ]; then
    echo "the installer is larger than 15 MiB: $size bytes" >&2
    exit 1
fi

# The real window from the unpacked zip, on a display of its own, and the installer; Wine's
# services of the runs above had no display and must not serve these.
wineserver -k 2>/dev/null || true
wineserver -w
unpacked=$(mktemp -d /tmp/tesmarik-zip-XXXXXX)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"
program=$(dirname "$(find "$unpacked" -name tesmarik.exe | head -n 1)")
python3 tests/windows/real_window.py "$program" build-windows/tesmarik-scenario.exe \
    build-windows/screenshots
xvfb-run -a -s "-screen 0 1024x768x24" tests/windows/installer.sh "$installer" \
    build-windows/older/tesmarik-0.0.1-win64-setup.exe build-windows/screenshots
# Once more in a prefix as a Russian Windows has it, for a user named "Иван".
TESMARIK_WINE_RUSSIAN=1 xvfb-run -a -s "-screen 0 1024x768x24" tests/windows/installer.sh \
    "$installer" build-windows/older/tesmarik-0.0.1-win64-setup.exe build-windows/screenshots/ru
# And the offer's workbook made there: numbers as numbers whatever the regional settings.
tests/windows/russian_workbook.sh build-windows/tesmarik-scenario.exe
# And the real window there, unpacked into and started from a folder with a Cyrillic name:
# the download, and the offer saved into the user's documents.
mkdir "$unpacked/Программы"
unzip -q "$zip" -d "$unpacked/Программы"
program=$(dirname "$(find "$unpacked/Программы" -name tesmarik.exe | head -n 1)")
TESMARIK_WINE_RUSSIAN=1 python3 tests/windows/real_window.py "$program" \
    build-windows/tesmarik-scenario.exe build-windows/screenshots/ru
