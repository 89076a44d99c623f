#!/usr/bin/env bash
# Builds the last commit twice, from two fresh clones at paths of different
# length, one after the other, under another umask and time zone, and
# compares what comes out byte for byte: the Debian package as `make package`
# makes it and, with WINDOWS=1 (the default when the cross compiler is
# there), torvo.exe, torvo-cli.exe and torvo-setup.exe.
# Usage: scripts/check-reproducible.sh [WORK_DIR]   (default /tmp/torvo-reproducible)
# Exit status 0 when every pair is the same.
set -euo pipefail
source=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$source" rev-parse HEAD)
work=$(realpath -m "${1:-/tmp/torvo-reproducible}")
if [ -z "${WINDOWS:-}" ]; then
  command -v x86_64-w64-mingw32-g++-posix >/dev/null && WINDOWS=1 || WINDOWS=0
fi
jobs=$(nproc)
rm -rf "$work"
mkdir -p "$work"
clones=("$work/a" "$work/a-second-clone-at-a-longer-path")

build() {
  local clone=$1
  git clone -q --no-hardlinks "$source" "$clone"
  git -C "$clone" checkout -q "$commit"
  echo "== $clone (umask $(umask), TZ=${TZ:-unset}), started $(date -u +%H:%M:%S)"
  (cd "$clone" && make --no-print-directory package >"$clone.package.log" 2>&1) ||
    { tail -n 30 "$clone.package.log"; exit 1; }
  if [ "$WINDOWS" = 1 ]; then
    cmake -S "$clone" -B "$clone/build-windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DTORVO_TESTS=OFF >"$clone.windows.log" 2>&1
    cmake --build "$clone/build-windows" -j "$jobs" --target torvo torvo-cli torvo-setup >>"$clone.windows.log" 2>&1 ||
      { tail -n 30 "$clone.windows.log"; exit 1; }
  fi
}

build "${clones[0]}"
# The second build differs in everything that must not matter.
(umask 002 && TZ=Pacific/Kiritimati build "${clones[1]}")

files=(build/torvo_*_amd64.deb)
[ "$WINDOWS" = 1 ] && files+=(build-windows/torvo.exe build-windows/torvo-cli.exe build-windows/torvo-setup.exe)
status=0
for pattern in "${files[@]}"; do
  first=$(cd "${clones[0]}" && ls $pattern)
  a=${clones[0]}/$first
  b=${clones[1]}/$first
  if cmp -s "$a" "$b"; then
    echo "same: $first $(sha256sum "$a" | cut -d' ' -f1)"
  else
    echo "DIFFERENT: $first"
    sha256sum "$a" "$b"
    status=1
  fi
done
if [ "$WINDOWS" = 1 ]; then
  for program in torvo.exe torvo-cli.exe; do
    echo "$program: $(x86_64-w64-mingw32-objdump -p "${clones[0]}/build-windows/$program" | grep '^Time/Date')"
  done
fi
exit $status
