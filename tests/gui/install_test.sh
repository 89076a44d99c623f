#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry, the .pgn MIME type and
# an icon where a desktop looks for them.
# Usage: install_test.sh BUILD_DIR STAGE_DIR
set -uo pipefail
build=$1
stage=$(realpath -m "$2")
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
share="$stage/usr/share"
failures=0
check() {
  if "${@:2}" >/dev/null 2>&1; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
entry="$share/applications/torvo.desktop"
check "program in bin" test -x "$stage/usr/bin/torvo"
check "desktop entry" test -f "$entry"
check "German name" grep -qx 'Name\[de\]=Torvo Schach' "$entry"
check "German comment" grep -q '^Comment\[de\]=.' "$entry"
check "opens a file" grep -qx 'Exec=torvo %f' "$entry"
check "print action with -p" grep -qx 'Exec=torvo -p %f' "$entry"
check "handles the .pgn type" grep -q '^MimeType=.*application/x-torvo-pgn;' "$entry"
check "MIME type for *.pgn" grep -q '<glob pattern="\*.pgn"/>' "$share/mime/packages/torvo-pgn.xml"
res=$(dirname "$0")/../../res/icons
for size in 16 32 48 64 128 256; do
  check "program icon ${size}x${size}" cmp "$res/torvo-$size.png" "$share/icons/hicolor/${size}x${size}/apps/torvo.png"
  check "document icon ${size}x${size}" cmp "$res/torvo-doc-$size.png" \
    "$share/icons/hicolor/${size}x${size}/mimetypes/application-x-torvo-pgn.png"
done
if command -v desktop-file-validate >/dev/null; then check "entry validates" desktop-file-validate "$entry"; fi
exit $((failures != 0))
