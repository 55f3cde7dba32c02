#!/usr/bin/env bash
# Makes a sample camera volume in the folder given (default ./sample-volume): an ActionConfig
# with a line of every setting kind and no request to format the card, a DCIM folder with a few
# pictures, and the program installed on it from ./build. Expects a finished build in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
volume=$(realpath -m "${1:-sample-volume}")
rm -rf "$volume"
mkdir -p "$volume"
cat >"$volume/ActionConfig" <<'CONFIG'
[1,1,2,1,2,0,0,0,0,0,0,0,0]
[1,2,1,1,0,0,0,0,0,0,0,0,0,]
[1,3,2,2,1,1,6,12,56,9,30,0,2,]
[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]
CONFIG
build/tools/picturegen/picturegen --dcim "$volume/DCIM" 2>/dev/null
cmake --install build --component card --prefix "$volume" --strip >/dev/null
echo "$volume"
