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
  # watching a save reach the disk in order (fsync, rename, fsync)
  strace
  # the Windows programs: cross compiler, and Wine to run their tests
  g++-mingw-w64-x86-64-posix
  wine
  wine64
  # the Windows setup program
  nsis
  # fuzzing the PGN reader and the move parser
  clang
  libclang-rt-14-dev
  # the desktop program and its German framework texts
  libwxgtk3.2-dev
  libgtk-3-dev
  pkgconf
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
  # a window manager: box captions, focus changes and repaints as a desktop makes them
  openbox
  # German texts in the toolkit's own dialogs need a German locale
  locales
  fonts-dejavu-core
  adwaita-icon-theme
  librsvg2-common
  # the Debian package and its checks: the desktop entry's and the metainfo's
  # validators, the package's checker, and the shared library dependencies
  desktop-file-utils
  appstream
  lintian
  dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The file dialogs and message boxes of the toolkit speak German only where a
# German locale exists; make one when the system has none.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Making the locale de_DE.UTF-8"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
