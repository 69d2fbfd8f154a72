#!/usr/bin/env bash
# Makes the Windows program as the seller hands it out, on a Debian 12 machine: the
# installer build-windows/tesmarik-VERSION-win64-setup.exe and the portable zip
# build-windows/tesmarik-VERSION-win64.zip. The first run builds the cross toolchain
# (Qt and libcurl for Windows, about 50 minutes on 2 cores) into ~/.cache/tesmarik.
set -euo pipefail
cd "$(dirname "$0")"
./setup-debian.sh windows
packaging/windows/toolchain.sh
TESMARIK_WINDOWS_TESTS=OFF packaging/windows/build.sh
cd build-windows
cpack -G NSIS
cpack -G ZIP
ls -l tesmarik-*-win64*
