#!/usr/bin/env bash
# Builds vantorelle for Windows on Debian 12, cross-compiled with MinGW-w64, and makes the
# Windows downloads:
#   build-windows/vantorelle-<version>-windows-x64.zip        the program with its Qt beside it
#   build-windows/vantorelle-<version>-windows-x64-card.zip   vantorelle.app\ for a camera's card
# Qt for Windows is built once from Debian's own qt6-base source (the Qt the Linux build uses)
# and kept in ~/.cache/vantorelle (VANTORELLE_CACHE overrides); later runs reuse it. The first
# run takes about half an hour on two cores for Qt alone.
# The whole test suite runs under Wine, on Qt's offscreen platform.
# Then the program from the unpacked download answers --version and reads a camera folder under
# Wine, and its window is photographed under Xvfb with Qt's Windows platform plugin
# (docs/screenshots/windows.png; SCREENSHOT=0 leaves that out).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cache=${VANTORELLE_CACHE:-$HOME/.cache/vantorelle}
qt=$cache/qt-6.4.2-mingw64
out=$root/build-windows
jobs=$(nproc 2>/dev/null || echo 2)
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

echo "== what the build needs"
bash scripts/install-deps.sh
bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 googletest fonts-dejavu-core zip xvfb \
  x11-apps imagemagick dpkg-dev >/dev/null

mkdir -p "$cache"
cp cmake/mingw64.cmake "$cache/mingw64.cmake"

if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  echo "== Qt 6.4.2 for Windows, from Debian's qt6-base source (once; kept in $qt)"
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    $sudo tee /etc/apt/sources.list.d/debian-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    $sudo apt-get update -qq
  fi
  mkdir -p "$cache/src"
  (cd "$cache/src" && { ls -d qt6-base-*/ >/dev/null 2>&1 || apt-get source -qq qt6-base; })
  src=$(ls -d "$cache"/src/qt6-base-*/ | head -n 1)
  # Tablet input is left out: Debian's source lacks the wintab.h the Windows plugin needs for
  # it. OpenGL stays on: 6.4.2's Windows plugin does not compile without it.
  cmake -S "$src" -B "$cache/qt-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$cache/mingw64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$qt" -DCMAKE_BUILD_TYPE=Release \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_tabletevent=OFF >/dev/null
  cmake --build "$cache/qt-build" -j "$jobs"
  cmake --install "$cache/qt-build" >/dev/null
fi

echo "== vantorelle for Windows and its tests, warnings as errors"
wine=/usr/lib/wine/wine64
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DVANTORELLE_WERROR=ON \
  -DVANTORELLE_TESTS=ON -DVANTORELLE_WINDOWS_QT_TESTS=ON -DVANTORELLE_GTEST_SOURCE=/usr/src/googletest \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" >/dev/null
cmake --build "$out" -j "$jobs"

echo "== the whole test suite under Wine"
# Windows paths of the Linux side, for Wine: Z: is the Linux root.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
export WINEPREFIX=$out/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mingw=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$mingw");$(windows_path /usr/x86_64-w64-mingw32/lib)" \
  WINEQT_PLUGIN_PATH="$(windows_path "$qt/plugins")" \
  ctest --test-dir "$out" --output-on-failure
/usr/lib/wine/wineserver -w

echo "== the downloads"
version=$(sed -n 's/^project(vantorelle VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
layout=$out/layout
rm -rf "$layout"
# What windeployqt lays out for a Widgets program: the program, Qt's and MinGW's libraries, the
# Windows platform plugin and the native style. The translations are inside the program.
lay_out() {
  local to=$1
  mkdir -p "$to/platforms" "$to/styles"
  x86_64-w64-mingw32-strip -o "$to/vantorelle.exe" "$out/vantorelle.exe"
  x86_64-w64-mingw32-strip -o "$to/vantorelle-window.dll" "$out/vantorelle-window.dll"
  cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$to/"
  cp "$mingw"/{libgcc_s_seh-1,libstdc++-6}.dll /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$to/"
  cp "$qt/plugins/platforms/qwindows.dll" "$to/platforms/"
  cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$to/styles/"
  cp LICENSE "$to/"
}
lay_out "$layout/program/vantorelle"
lay_out "$layout/card/vantorelle.app"
zip_of() { (cd "$1" && rm -f "$2" && zip -qr "$2" .); }
program_zip=$out/vantorelle-$version-windows-x64.zip
card_zip=$out/vantorelle-$version-windows-x64-card.zip
zip_of "$layout/program" "$program_zip"
zip_of "$layout/card" "$card_zip"
ls -l "$program_zip" "$card_zip"

echo "== the download under Wine"
unpacked=$out/unpacked
rm -rf "$unpacked" && mkdir -p "$unpacked" && (cd "$unpacked" && unzip -q "$program_zip")
camera=$out/camera
rm -rf "$camera" && mkdir -p "$camera/DCIM"
printf '%s\n' '[1,1,1,1,1,0,0,0,0,0,0,0,0]' '[1,2,1,1,0,0,0,0,0,0,0,0,0,]' \
  '[1,3,1,1,1,1,25,12,43,18,30,5,1,]' '[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]' \
  > "$camera/ActionConfig"
"$wine" "$unpacked/vantorelle/vantorelle.exe" --version
"$wine" "$unpacked/vantorelle/vantorelle.exe" get --volume "Z:${camera//\//\\}" | grep tv.system

echo "== printed from cmd.exe: to its console, and to the file it is sent to"
program=$(windows_path "$unpacked/vantorelle/vantorelle.exe")
# cmd.exe gets a console of its own on a terminal, which script(1) gives it.
console=$(script -qc "$wine cmd /c '$program --version'" /dev/null |
  sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r')
grep -q "^vantorelle *$version" <<<"$console" ||
  { echo "FAILED: --version from cmd.exe printed nothing on its console" >&2; exit 1; }
rm -f "$out/version.txt"
script -qc "$wine cmd /c '$program --version > $(windows_path "$out/version.txt")'" /dev/null >/dev/null
grep -q "^vantorelle $version" "$out/version.txt" ||
  { echo "FAILED: --version > file from cmd.exe left the file without it" >&2; exit 1; }

echo "== a card on a drive letter of its own, as Windows shows a camera"
ln -sfn "$camera" "$WINEPREFIX/dosdevices/e:"
# Windows knows its drives; Wine learns a drive's kind from its registry.
"$wine" reg add 'HKLM\Software\Wine\Drives' /v e: /d hd /f >/dev/null
/usr/lib/wine/wineserver -w
(cd "$camera" && unzip -qo "$card_zip")
listed=$("$wine" "$unpacked/vantorelle/vantorelle.exe" list | tr -d '\r')
echo "$listed"
grep -q '^E:\\' <<<"$listed" || { echo "FAILED: the camera on E: was not found" >&2; exit 1; }
"$wine" "$unpacked/vantorelle/vantorelle.exe" set tv.system=NTSC
"$wine" "$unpacked/vantorelle/vantorelle.exe" get | grep -q '^tv.system=NTSC' ||
  { echo "FAILED: the camera on E: was not changed" >&2; exit 1; }

if [ "${SCREENSHOT:-1}" = 1 ]; then
  echo "== the window under Wine, with Qt's Windows platform plugin"
  Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  sleep 1
  # Started from the card, as a camera owner starts it: the card rule finds E:\ActionConfig.
  DISPLAY=:97 "$wine" 'E:\vantorelle.app\vantorelle.exe' &
  sleep "${SCREENSHOT_WAIT:-15}"
  DISPLAY=:97 xwd -root -silent | convert xwd:- -trim +repage docs/screenshots/windows.png
  echo "== a second start on the same camera brings the first window forward and ends"
  DISPLAY=:97 timeout 20 "$wine" 'E:\vantorelle.app\vantorelle.exe' ||
    { echo "FAILED: the second start did not end at once" >&2; exit 1; }
  /usr/lib/wine/wineserver -k || true
  echo "docs/screenshots/windows.png"
fi
