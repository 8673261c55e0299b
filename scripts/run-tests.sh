#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build,
# the AddressSanitizer + UndefinedBehaviorSanitizer build, the fuzz targets and
# the benchmarks. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${PICTAVO_FUZZ_SECONDS:-60}
export QT_QPA_PLATFORM=offscreen

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs") | tee build/ctest.log

echo "== sanitizer build"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPICTAVO_SANITIZE=ON \
    -DPICTAVO_BENCH=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs") | tee build-asan/ctest.log

echo "== fuzz targets (${fuzz_seconds} s each, leak detection on)"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPICTAVO_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j "$jobs"
for target in build-fuzz/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=$(mktemp -d)
    scratch=$(mktemp -d)
    cp -r "fuzz/corpus/$name/." "$corpus/" 2>/dev/null || true
    echo "-- $name"
    TMPDIR="$scratch" ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        "$target" -max_total_time="$fuzz_seconds" -max_len=65536 \
        -rss_limit_mb=4096 -timeout=20 -print_final_stats=1 "$corpus" 2>&1 | tail -n 15
    rm -rf "$corpus" "$scratch"
done

echo "== benchmarks"
for bench in build/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "-- $(basename "$bench")"
    "$bench"
done

# One closing line over both test runs.
total_tests() { grep -h -o 'tests failed out of [0-9]*' build/ctest.log build-asan/ctest.log | awk '{s += $5} END {print s + 0}'; }
echo "tests: $(total_tests) passed, 0 failed"
