#!/usr/bin/env bash
# The Windows program's start under Wine on a virtual X display, measured as the Linux one
# is: the real window to its first paint against an empty Qt window built with the same
# toolchain, started in turn, medians and their ratio. Exits with status 1 when the window
# takes more than 1.5 times the empty window's wall time or memory (Wine's own start is in
# both). Needs the cross toolchain (packaging/windows/toolchain.sh).
#   bench/windows-start.sh                    30 starts of each
#   TESMARIK_BENCH_STARTS=N bench/windows-start.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
packaging/windows/build.sh --target tesmarik-bench-start tesmarik-bench-empty
source tests/windows/wine-env.sh
tests/windows/wine-prefix.sh >/dev/null
# One Wine server for every start, as a desktop has: each start then measures the program,
# not Wine's services starting.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    status=0
    python3 bench/starts.py "${TESMARIK_BENCH_STARTS:-30}" 1.5 "Windows program under Wine" \
        build-windows/bench/tesmarik-bench-start.exe build-windows/bench/tesmarik-bench-empty.exe \
        tests/windows/wine-run.sh || status=$?
    wineserver -k
    exit $status'
