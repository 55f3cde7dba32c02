#!/usr/bin/env bash
# The settings library's tests, cross-built for Windows with MinGW-w64 and run under Wine: the
# file calls that differ on Windows (wide paths, MoveFileExW, a file held open or read-only)
# are tested on every CI run. GoogleTest is built from Debian's own sources.
#   scripts/windows-library-tests.sh          (build-windows-library/, a Wine prefix of its own)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix wine64 googletest >/dev/null
out=build-windows-library
# Linked statically: the test needs no MinGW libraries beside it.
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXE_LINKER_FLAGS=-static \
  -DVANTORELLE_APP=OFF -DVANTORELLE_TESTS=ON -DVANTORELLE_WERROR=ON \
  -DVANTORELLE_GTEST_SOURCE=/usr/src/googletest -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64 >/dev/null
cmake --build "$out" -j "$(nproc 2>/dev/null || echo 2)"
export WINEPREFIX=$PWD/$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ctest --test-dir "$out" --output-on-failure
/usr/lib/wine/wineserver -k 2>/dev/null || true
