#!/usr/bin/env bash
# Installs everything vantorelle needs to build, run and test, from Debian 12 packages; given
# package names, those instead (what the Windows build and the package checks need besides).
set -euo pipefail
packages=("$@")
[ $# -gt 0 ] || packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  libfontconfig-dev
  libgtest-dev googletest clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-droid-fallback unzip
  # the shells whose completion scripts are tested
  zsh fish
  # for the Debian package: CPack takes its dependencies from dpkg-shlibdeps, which it runs on
  # the programs that `file` finds
  dpkg-dev file
)
if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "Not a Debian system: install the equivalents of these packages yourself: ${packages[*]}"
  exit 0
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
