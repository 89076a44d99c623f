#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; only what is missing.
set -euo pipefail

packages=(
  g++
  cmake
  ninja-build
  make
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  # fuzzing the PGN reader and the move parser
  clang
  libclang-rt-14-dev
  # the desktop program and its German framework texts
  libwxgtk3.2-dev
  wx3.2-i18n
  # its end-to-end tests: a virtual X server, input, screenshots, the clipboard,
  # a close request as a window manager sends it (python3 with ctypes)
  xvfb
  xauth
  xdotool
  imagemagick
  xclip
  python3
  x11-utils
  fonts-dejavu-core
  adwaita-icon-theme
  librsvg2-common
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
