#!/usr/bin/env bash
# Sets everything up and starts vantorelle from a sample camera volume: installs the build
# dependencies, builds the program and its picture tool (not the tests), makes ./sample-volume (an ActionConfig with a line of every kind and a
# DCIM folder with a few pictures), installs the program onto it and starts it from there, as
# a camera owner would start it from the camera's card.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
volume=$(bash scripts/make-sample-volume.sh sample-volume)

if [ "$(uname)" = Darwin ]; then
  program="$volume/vantorelle.app/Contents/MacOS/vantorelle"
else
  program="$volume/vantorelle.app/vantorelle"
fi
echo "Sample camera volume: $volume"
if [ "$(uname)" != Darwin ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here; start it from a desktop session with: $program"
  exit 0
fi
exec "$program"
