#!/usr/bin/env bash
# Takes a picture of every page and every alert of the real window under Xvfb, in English and
# in each language the program speaks, at the scales 1, 1.5 and 2:
#   scripts/screenshots.sh [output folder]        (default docs/screenshots)
# English at scale 1 goes to the folder itself, the other languages to <folder>/<language>/,
# the larger scales to <folder>/scale-1.5/ and <folder>/scale-2/ in the same way.
# SCALES="1" scripts/screenshots.sh takes scale 1 alone.
# Builds the screenshot tool in ./build (scripts/test.sh makes a build that has it).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DVANTORELLE_SCREENSHOTS=ON >/dev/null
cmake --build build --target screenshots vantorelle >/dev/null
root=${1:-docs/screenshots}
scales=${SCALES:-1 1.5 2}
work=$(mktemp -d)
sample=$(bash scripts/make-sample-volume.sh "$work/sample/CAMERA")
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
status=0
for scale in $scales; do
  for language in en de fr es it ja zh_CN; do
    out=$root
    [ "$scale" = 1 ] || out="$out/scale-$scale"
    [ "$language" = en ] || out="$out/$language"
    # The pictures of the alerts change the camera's file: every run starts from the sample.
    rm -rf "$work/run"
    mkdir -p "$work/run"
    cp -a "$sample" "$work/run/CAMERA"
    if QT_SCALE_FACTOR=$scale LANG="$language.UTF-8" LC_ALL="$language.UTF-8" DISPLAY="$display" \
      build/tools/screenshots/screenshots "$work/run/CAMERA" "$out" >/dev/null 2>&1; then
      echo "$out"
    else
      echo "failed: $out" >&2
      status=1
    fi
  done
done
exit $status
