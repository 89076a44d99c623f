#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry for the standard .pgn
# type and its icons where a desktop looks for them, and takes away what an
# earlier version registered.
# Usage: install_test.sh BUILD_DIR STAGE_DIR
set -uo pipefail
build=$1
stage=$(realpath -m "$2")
rm -rf "$stage"
share="$stage/usr/share"
# An earlier version's own type for *.pgn, its entry and document icon.
stale=("$share/mime/packages/torvo-pgn.xml" "$share/applications/torvo.desktop"
       "$share/icons/hicolor/48x48/mimetypes/application-x-torvo-pgn.png")
for file in "${stale[@]}"; do
  mkdir -p "$(dirname "$file")" && echo old >"$file"
done
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
failures=0
check() {
  if "${@:2}" >/dev/null 2>&1; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
entry="$share/applications/example.halvorn.torvo.desktop"
check "program in bin" test -x "$stage/usr/bin/torvo"
check "desktop entry" test -f "$entry"
check "German name" grep -qx 'Name\[de\]=Torvo Schach' "$entry"
check "German comment" grep -q '^Comment\[de\]=.' "$entry"
check "opens a file" grep -qx 'Exec=torvo %f' "$entry"
check "print action with -p" grep -qx 'Exec=torvo -p %f' "$entry"
check "handles the standard .pgn type" grep -qx 'MimeType=application/vnd.chess-pgn;application/x-chess-pgn;' "$entry"
for file in "${stale[@]}"; do
  check "no earlier $(basename "$file")" test ! -e "$file"
done
check "no MIME type of its own" test -z "$(find "$share/mime" -type f)"
res=$(dirname "$0")/../../res/icons
for size in 16 32 48 64 128 256; do
  check "program icon ${size}x${size}" cmp "$res/torvo-$size.png" "$share/icons/hicolor/${size}x${size}/apps/torvo.png"
  for type in application-vnd.chess-pgn application-x-chess-pgn; do
    check "document icon ${size}x${size} as $type" cmp "$res/torvo-doc-$size.png" \
      "$share/icons/hicolor/${size}x${size}/mimetypes/$type.png"
  done
done
check "scalable program icon" cmp "$res/torvo.svg" "$share/icons/hicolor/scalable/apps/torvo.svg"
check "entry validates (desktop-file-validate from scripts/install-deps.sh)" desktop-file-validate "$entry"
exit $((failures != 0))
