#!/usr/bin/env bash
# Where the main window opens under a window manager, on the screen xvfb-run
# gives and at the scale GDK_SCALE gives: at its size (560 x 600 at scale 1)
# with the manager's frame centred in the work area; a window too tall for
# the screen as wide as that and as tall as the work area lets it be, all
# on the screen. The toolkit complains of nothing on the way.
# Usage: torvo_place_test.sh TORVO_EXE OUTPUT_DIR   (OUTPUT_DIR keeps the screenshots)
set -uo pipefail

EXE=$(realpath "$1")
# shellcheck source=guilib.sh
source "$(dirname "$0")/guilib.sh"
gui_begin "$2"

WIDTH=560
HEIGHT=600
SCALE=${GDK_SCALE:-1}

start_window_manager || gui_finish place

start_torvo "$EXE"
MAIN="$NEW_GAME_CAPTION"
wait_window "$MAIN" || { fail "no main window"; gui_finish place; }
# The board is painted once the window is on the screen at its place.
wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG" || fail "no first board"
screenshot opened

id=$(window_named "$MAIN")
read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
  /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print x, y, w, h}')
# The manager's borders: left, right, top, bottom.
read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed -nE 's/.*= ([0-9]+), ([0-9]+), ([0-9]+), ([0-9]+)/\1 \2 \3 \4/p')
read -r ax ay aw ah < <(xprop -root _NET_WORKAREA | sed -nE 's/.*= ([0-9]+), ([0-9]+), ([0-9]+), ([0-9]+).*/\1 \2 \3 \4/p')
if [ -z "${left:-}" ] || [ -z "${aw:-}" ]; then
  fail "no frame extents or work area from the window manager"
  gui_finish place
fi
want_w=$((WIDTH * SCALE)) want_h=$((HEIGHT * SCALE))
frame_x=$((x - left)) frame_y=$((y - top)) frame_w=$((w + left + right)) frame_h=$((h + top + bottom))
seen="window ${w}x$h at $x,$y, frame ${frame_w}x$frame_h at $frame_x,$frame_y in the work area ${aw}x$ah at $ax,$ay"

# Centred: the frame's gaps to the work area's edges differ by a pixel at most.
centred() {
  local gap_before=$(($1 - $3)) gap_after=$(($3 + $4 - $1 - $2))
  [ $((gap_before - gap_after)) -le 1 ] && [ $((gap_after - gap_before)) -le 1 ]
}
if [ $((want_h + top + bottom)) -le "$ah" ] && [ $((want_w + left + right)) -le "$aw" ]; then
  [ "$w" = "$want_w" ] && [ "$h" = "$want_h" ] && pass "the window opens at ${w}x$h" \
    || fail "the window opens at ${w}x$h, not ${want_w}x$want_h: $seen"
  centred "$frame_x" "$frame_w" "$ax" "$aw" && centred "$frame_y" "$frame_h" "$ay" "$ah" \
    && pass "the window is centred: $seen" || fail "the window is not centred: $seen"
else
  # The manager shrinks the window to the work area, to a whole number of
  # the scale's pixels.
  [ "$w" = "$want_w" ] && [ "$frame_h" -le "$ah" ] && [ "$frame_h" -gt $((ah - SCALE)) ] \
    && pass "the window too tall for the screen is ${w}x$h" \
    || fail "the window too tall for the screen is ${w}x$h, not $want_w wide and as tall as the work area: $seen"
  [ "$frame_x" -ge "$ax" ] && [ "$frame_y" -ge "$ay" ] && [ $((frame_x + frame_w)) -le $((ax + aw)) ] \
    && [ $((frame_y + frame_h)) -le $((ay + ah)) ] && pass "the whole window is on the screen: $seen" \
    || fail "the window reaches off the screen: $seen"
fi

close_torvo "$MAIN" || fail "the program did not end"
complaints=$(grep -E "Gtk-(CRITICAL|WARNING)" "$WORK_DIR/torvo.out")
[ -z "$complaints" ] && pass "no GTK warning or critical message" || fail "GTK complained: $complaints"

gui_finish place
