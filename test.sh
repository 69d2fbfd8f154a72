#!/usr/bin/env bash
# Builds everything and runs every test: a plain build, then a second build with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets for a short while.
set -euo pipefail
cd "$(dirname "$0")"
./setup-debian.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESMARIK_BUILD_TESTS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESMARIK_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# Fuzzing, when clang is there: every libFuzzer target of tests/fuzz for a bounded time,
# in a build of its own. A target fuzz_NAME takes its words from tests/fuzz/NAME.dict and
# its first inputs from the folders listed in tests/fuzz/NAME.seeds, when they exist; what
# it learns stays in build-fuzz/corpus/NAME for the next run, and an input that crashes it
# is left in build-fuzz/artifacts.
if command -v clang++ >/dev/null; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DTESMARIK_FUZZ=ON -DTESMARIK_BUILD_TESTS=OFF
    targets=$(sed -n 's/^add_executable(\(fuzz_[A-Za-z0-9_]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
    # shellcheck disable=SC2086
    cmake --build build-fuzz -j "$jobs" --target $targets
    # Absolute paths: a target may work in a folder of its own.
    fuzz=$PWD/build-fuzz
    mkdir -p "$fuzz/artifacts"
    for target in $targets; do
        name=${target#fuzz_}
        args=(-max_total_time="${TESMARIK_FUZZ_SECONDS:-20}" -timeout=30
              -artifact_prefix="$fuzz/artifacts/$target-")
        [ -f "tests/fuzz/$name.dict" ] && args+=(-dict="$PWD/tests/fuzz/$name.dict")
        folders=("$fuzz/corpus/$name")
        mkdir -p "${folders[0]}"
        if [ -f "tests/fuzz/$name.seeds" ]; then
            while read -r seeds; do
                [ -n "$seeds" ] && folders+=("$PWD/$seeds")
            done <"tests/fuzz/$name.seeds"
        fi
        echo "Fuzzing $target for ${TESMARIK_FUZZ_SECONDS:-20} s"
        "$fuzz/$target" "${args[@]}" "${folders[@]}" 2>"$fuzz/$target.log" \
            || { tail -n 60 "$fuzz/$target.log"; echo "$target found a fault" >&2; exit 1; }
        tail -n 1 "$fuzz/$target.log"
    done
else
    echo "clang++ not found: no fuzzing"
fi

# The Windows program, when its cross toolchain is cached: built here and tested under
# Wine (tests/windows/run.sh).
if packaging/windows/toolchain.sh --ready; then
    tests/windows/run.sh
else
    echo "Windows build not tested: no cross toolchain in $(packaging/windows/toolchain.sh --path);" \
         "packaging/windows/toolchain.sh builds it (about an hour on 2 cores)"
fi
