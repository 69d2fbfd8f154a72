#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, with the cross-built Qt and libcurl and
# the mingw runtime on its DLL path, in the test prefix that wine-prefix.sh makes: the
# emulator of the cross build's tests (CMAKE_CROSSCOMPILING_EMULATOR).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
libraries=$("$here/../../packaging/windows/toolchain.sh" --path)
source "$here/wine-env.sh"
"$here/wine-prefix.sh" >/dev/null
export WINEPATH="Z:$libraries/bin;Z:$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)");Z:/usr/x86_64-w64-mingw32/lib"
export QT_PLUGIN_PATH="Z:$libraries/plugins"
exec wine "$@"
