#!/usr/bin/env bash
# Installs the Debian packages (Debian 12 "bookworm") that one purpose needs;
# only what is missing.
# Usage: install-deps.sh PURPOSE...
#   run      build and start the desktop program
#   check    run, and the unit tests (make check)
#   package  run, and the Debian package (make package)
#   windows  cross-build the Windows programs and their setup (make windows)
#   strength run, and the anchor engine the levels are measured
#            against (make strength)
#   test     everything make test runs: the above, the sanitizer and fuzz
#            builds, the window tests on a virtual X server, the package's
#            validators, the strength tool's short run and the Windows tests
#            under Wine
set -euo pipefail

run=(
  g++
  cmake
  ninja-build
  make
  pkgconf
  # the desktop program and its German framework texts
  libwxgtk3.2-dev
  libgtk-3-dev
  wx3.2-i18n
  # German texts in the toolkit's own dialogs need a German locale
  locales
  fonts-dejavu-core
  adwaita-icon-theme
  librsvg2-common
)
check=(
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  # watching a save reach the disk in order (fsync, rename, fsync)
  strace
)
package=(
  # the shared library dependencies of the programs
  dpkg-dev
  file
)
windows=(
  cmake
  ninja-build
  make
  # GoogleTest's sources, built for Windows
  libgtest-dev
  # the cross compiler and the setup program
  g++-mingw-w64-x86-64-posix
  nsis
)
strength=(
  # the strength tool and the anchor it plays the levels against, over UCI
  python3
  stockfish
)
# Only make test's own parts beyond the purposes above.
test_only=(
  # the Windows programs' tests
  wine
  wine64
  # fuzzing the PGN reader and the move parser; the runtime is clang's own
  # version's, added below once clang is there
  clang
  # end-to-end tests: a virtual X server, input, screenshots, the clipboard,
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
  # the board by ear: a session bus that starts the accessibility bus, and
  # AT-SPI read from python
  dbus-daemon
  at-spi2-core
  python3-gi
  gir1.2-atspi-2.0
  # the desktop entry's and the metainfo's validators, the package's checker
  desktop-file-utils
  appstream
  lintian
)

if [ $# -eq 0 ]; then
  echo "usage: $0 run|check|package|windows|strength|test..." >&2
  exit 2
fi
wanted=()
locale_needed=0
for purpose in "$@"; do
  case $purpose in
    run) wanted+=("${run[@]}"); locale_needed=1 ;;
    check) wanted+=("${run[@]}" "${check[@]}"); locale_needed=1 ;;
    package) wanted+=("${run[@]}" "${package[@]}"); locale_needed=1 ;;
    windows) wanted+=("${windows[@]}") ;;
    strength) wanted+=("${run[@]}" "${strength[@]}"); locale_needed=1 ;;
    test) wanted+=("${run[@]}" "${check[@]}" "${package[@]}" "${windows[@]}" "${strength[@]}" "${test_only[@]}")
      locale_needed=1 ;;
    *) echo "$0: unknown purpose '$purpose' (run, check, package, windows, strength, test)" >&2; exit 2 ;;
  esac
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
updated=0

install_missing() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  # The same package may be wanted by two purposes: name it once.
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
  echo "Installing: ${missing[*]}"
  if [ $updated -eq 0 ]; then
    $sudo apt-get update -qq
    updated=1
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_missing "${wanted[@]}"

# libFuzzer's runtime comes with the clang it belongs to: take the one of the
# clang that is installed, whatever its version.
if printf '%s\n' "${wanted[@]}" | grep -qx clang; then
  clang_major=$(clang -dumpversion | cut -d. -f1)
  install_missing "libclang-rt-${clang_major}-dev"
fi

# The file dialogs and message boxes of the toolkit speak German only where a
# German locale exists; make one when the system has none.
if [ $locale_needed -eq 1 ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Making the locale de_DE.UTF-8"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
