#!/usr/bin/env bash
# Without a display the program says so in one line and fails; it must not crash.
set -uo pipefail
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" 2>&1)
rc=$?
lines=$(printf '%s\n' "$out" | wc -l)
echo "exit status $rc: $out"
[ "$rc" -ne 0 ] || { echo "FAIL: exit status 0"; exit 1; }
[ "$rc" -lt 128 ] || { echo "FAIL: ended by a signal"; exit 1; }
[ "$lines" -eq 1 ] || { echo "FAIL: $lines lines of output"; exit 1; }
printf '%s' "$out" | grep -qi "display" || { echo "FAIL: the message does not name the display"; exit 1; }
