#!/usr/bin/env bash
# Builds vantorelle and runs every test: the normal build, a short fuzzing run, and the whole
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
#   FUZZ_SECONDS=600 scripts/test.sh   fuzzes longer (default 60 s)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc 2>/dev/null || echo 2)

echo "== build and test"
# The tests, the benchmarks and the screenshot tool build too, with warnings as errors.
developer="-DVANTORELLE_TESTS=ON -DVANTORELLE_BENCH=ON -DVANTORELLE_SCREENSHOTS=ON -DVANTORELLE_WERROR=ON"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $developer >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

FUZZ_SECONDS=${FUZZ_SECONDS:-60} bash scripts/fuzz-long.sh

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTORELLE_SANITIZE=ON $developer >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
