#!/usr/bin/env bash
# Builds the benchmarks in Release, runs them and prints every figure beside its target:
# each heavy operation of the logic under 1 ms of CPU time on one core, and the window's
# start within 1.25 times the time and the peak memory of an empty Qt window of the same
# size; and the program's memory over a year of daily price lists: its size at most 30 MB,
# storing a list within 200 ms and comparing two within 100 ms. Exits with status 1 when a
# target is missed.
#   bench/run.sh                       build folder build-bench
#   TESMARIK_BENCH_BUILD=DIR bench/run.sh
#   TESMARIK_BENCH_STARTS=N bench/run.sh    starts of each program (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TESMARIK_BENCH_BUILD:-build-bench}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESMARIK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" \
    --target tesmarik-bench-logic tesmarik-bench-memory tesmarik-bench-start \
    tesmarik-bench-empty >/dev/null

export QT_QPA_PLATFORM=offscreen
json=$(mktemp)
memory_json=$(mktemp)
runtime=""
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    runtime=$(mktemp -d)
    export XDG_RUNTIME_DIR=$runtime
fi
trap 'rm -f "$json" "$json.log" "$memory_json"; [ -z "$runtime" ] || rm -rf "$runtime"' EXIT
"$build/bench/tesmarik-bench-logic" --benchmark_out="$json" --benchmark_out_format=json \
    --benchmark_repetitions=3 --benchmark_min_time=0.2 >/dev/null 2>"$json.log" \
    || { cat "$json.log" >&2; exit 2; }
"$build/bench/tesmarik-bench-memory" --benchmark_out="$memory_json" \
    --benchmark_out_format=json --benchmark_repetitions=3 >/dev/null 2>"$json.log" \
    || { cat "$json.log" >&2; exit 2; }
python3 bench/report.py "$json" "$build/bench/tesmarik-bench-start" \
    "$build/bench/tesmarik-bench-empty" "${TESMARIK_BENCH_STARTS:-30}" "$memory_json"
