#!/usr/bin/env bash
# Measures vantorelle against its floors and prints the figures as a Markdown table (also kept in
# <build>/bench-scratch/report.md). See docs/performance.md. Usually started as
#   cmake --build build --target bench
# or directly, after a build, as
#   bench/run.sh [build folder]               (default: build)
# BENCH_IDLE_SECONDS shortens the idle measurement (default 30 s). Without a DISPLAY the run
# starts an Xvfb server of its own.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
scratch="$build/bench-scratch"
rm -rf "$scratch"
mkdir -p "$scratch"
# The camera volume: exactly what the card install puts there; and the same install stripped.
cmake --install "$build" --component card --prefix "$scratch/volume" >/dev/null
cmake --install "$build" --component card --prefix "$scratch/stripped" --strip >/dev/null

xvfb=""
stop_xvfb() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
}
trap stop_xvfb EXIT
if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$scratch/display" \
    >"$scratch/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    if grep -q '^[0-9]' "$scratch/display" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if ! grep -q '^[0-9]' "$scratch/display"; then
    echo "bench: Xvfb did not start; see $scratch/xvfb.log" >&2
    exit 1
  fi
  DISPLAY=":$(head -n 1 "$scratch/display")"
  export DISPLAY
  echo "bench: no DISPLAY given; measuring on Xvfb $DISPLAY, started for this run" >&2
fi
export QT_QPA_PLATFORM=xcb
"$build/bench/bench_driver" "$scratch" | tee "$scratch/report.md"
