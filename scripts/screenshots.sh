#!/usr/bin/env bash
# Takes a picture of every page of the real window under Xvfb, in English and in each
# language the program speaks, into docs/screenshots/ (English) and docs/screenshots/<lang>/.
# Expects a finished build in ./build (scripts/run-sample.sh or scripts/test.sh make one).
set -euo pipefail
cd "$(dirname "$0")/.."
volume=$(bash scripts/make-sample-volume.sh "$(mktemp -d)/CAMERA")
trap 'rm -rf "$(dirname "$volume")"' EXIT
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$(dirname "$volume")"' EXIT
sleep 1
for language in en de fr es it ja zh_CN; do
  out=docs/screenshots
  [ "$language" = en ] || out="docs/screenshots/$language"
  LANG="$language.UTF-8" LC_ALL="$language.UTF-8" DISPLAY="$display" \
    build/tools/screenshots/screenshots "$volume" "$out" >/dev/null 2>&1
  echo "$out"
done
