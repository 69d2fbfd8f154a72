#!/usr/bin/env bash
# Builds the Windows program, its download module, the scenario runner, the tests and the
# start benchmarks in build-windows/, against the libraries toolchain.sh made (it must have
# run). The icon is drawn by the picture tool built for this machine, in build-host/.
#   packaging/windows/build.sh [cmake --build arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
jobs=$(nproc)

cmake -S . -B build-host -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESMARIK_BUILD_TESTS=OFF >/dev/null
cmake --build build-host -j "$jobs" --target tesmarik-render-picture

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/packaging/windows/cross.cmake" \
    -DTESMARIK_HOST_RENDER_PICTURE="$root/build-host/tesmarik-render-picture" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tests/windows/wine-run.sh" \
    -DTESMARIK_BUILD_TESTS="${TESMARIK_WINDOWS_TESTS:-ON}" -DTESMARIK_BUILD_BENCH=ON >/dev/null
cmake --build build-windows -j "$jobs" "$@"
