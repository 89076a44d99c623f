#!/usr/bin/env bash
# The window as a player meets it under a window manager: message boxes that
# show their whole caption and keep their status text (and the picked square)
# while they are up, the idle text after a menu, the prompt of the greyed
# recent-file item, four recent files kept in a settings folder the program
# makes itself, a recent file gone missing, Scroll Lock and the indicators
# shown whole, the list of legal moves with its scroll bar and Enter in it,
# the result in the status bar under the box after the user's mating move,
# and a long game's notation fitted to the window, with its scroll bar, and
# scrolled.
# Usage: torvo_window_test.sh TORVO_EXE OUTPUT_DIR   (OUTPUT_DIR keeps the screenshots)
set -uo pipefail

EXE=$(realpath "$1")
# shellcheck source=guilib.sh
source "$(dirname "$0")/guilib.sh"
gui_begin "$2"

TITLE_TAIL=" - Torvo Halvorn Schach Programm"
IDLE="Warte auf einen Zug."
RECENT_PROMPT="Öffnet dieses Dokument"
CONFIG_FILE="$WORK_DIR/home/.config/torvo.conf"

start_window_manager || gui_finish window

# Width in pixels of a caption in the window manager's title font.
caption_width() {
  convert -density 96 -font DejaVu-Sans-Bold -pointsize 8 label:"$1" -format %w info:
}
# The box's frame holds, besides the caption, the window's icon and three
# buttons with their gaps.
TITLE_BAR_EXTRA=72
window_width() { xdotool getwindowgeometry "$1" | sed -nE 's/ *Geometry: ([0-9]+)x.*/\1/p'; }

# A box captioned $1 is up, wide enough for its caption, and keeps the status
# text $2 while it is up, also after the focus has moved around.
check_box() {
  local caption=$1 status=$2 shot=$3 id width need
  if ! wait_window "$caption"; then
    fail "no box captioned '$caption'"
    return 1
  fi
  id=$(window_named "$caption")
  width=$(window_width "$id")
  need=$(($(caption_width "$caption") + TITLE_BAR_EXTRA))
  [ "$width" -ge "$need" ] && pass "box '$caption' is $width wide, its caption needs $need" \
    || fail "box '$caption' is $width wide; its caption needs $need"
  # Focus away to the main window and back, as a user's click would do.
  xdotool windowactivate "$(window_named "$MAIN")" 2>/dev/null
  sleep 0.4
  xdotool windowactivate "$id" 2>/dev/null
  sleep 0.6
  screenshot "$shot"
  [ "$(last_status)" = "$status" ] && pass "status '$status' kept while '$caption' is up" \
    || fail "status '$(last_status)' replaced '$status' while '$caption' was up"
}

# --- A fresh account: no settings folder yet -------------------------------
for i in 1 2 3 4 5 6; do printf '1.e4 e5 2.Nf3 Nc6 *\n' >"$WORK_DIR/game$i.pgn"; done
MAIN="NeuesSpiel$TITLE_TAIL"
NO_CONFIG_DIR=1 start_torvo "$EXE"
wait_window "$MAIN" || { fail "no main window"; gui_finish window; }
wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG" || fail "no first board"

# The idle text comes back once a menu has closed, and stays.
n=$(status_lines)
keys_to "$MAIN" alt+d
wait_status_since "Neues Spiel starten" "$n" || fail "the Datei menu did not open"
xdotool key Escape
wait_for status_is "$IDLE" && pass "idle text after the menu closed" \
  || fail "after the menu closed the status reads '$(last_status)', not '$IDLE'"

# Walking down a menu and on to the next: each item's prompt in turn, with
# no empty text between two of them.
n=$(status_lines)
keys_to "$MAIN" alt+d
wait_status_since "Neues Spiel starten" "$n" || fail "the Datei menu did not open"
xdotool key --delay 100 Down Down Right Down
wait_status_since "Eingabe eines Zuges (PGN-Notation)" "$n" || fail "no prompt for the second item of the Züge menu"
xdotool key Escape
wait_status_since "$IDLE" "$n" || fail "no idle text once the menus were left"
walk=$(tail -n +"$((n + 1))" "$TORVO_STATUS_LOG")
grep -qx "Speichert das aktuelle Spiel" <<<"$walk" && grep -qx "Zeigt alle möglichen Züge an" <<<"$walk" \
  || fail "prompts missing on the walk through the menus: $(tr '\n' '|' <<<"$walk")"
grep -qx "" <<<"$walk" && fail "an empty status between the menus' prompts: $(tr '\n' '|' <<<"$walk")" \
  || pass "the menus' prompts one after another, none empty"

# The greyed "Letzte Datei" gives its prompt when the pointer is on it: the
# pointer goes down the open menu as a hand would move it.
n=$(status_lines)
keys_to "$MAIN" alt+d
wait_status_since "Neues Spiel starten" "$n"
eval "$(xdotool getwindowgeometry --shell "$(window_named "$MAIN")")"
for ((y = Y + 30; y < Y + 400; y += 3)); do
  xdotool mousemove "$((X + 60))" "$y"
  sleep 0.03
done
wait_status_since "$RECENT_PROMPT" "$n" && pass "prompt of the greyed 'Letzte Datei'" \
  || fail "no prompt '$RECENT_PROMPT' on the greyed 'Letzte Datei'"
screenshot greyed-recent-file
xdotool key Escape
wait_for status_is "$IDLE" || fail "no idle text after the menu with 'Letzte Datei'"

# Scroll Lock turns its indicator on and off. With Caps and Num Lock on as
# well, every indicator shows its whole text, SCRL too beside the size grip.
n=$(status_lines)
keys_to "$MAIN" Scroll_Lock
wait_status_since "indicator SCRL on" "$n" && pass "SCRL shown with Scroll Lock on" || fail "no SCRL with Scroll Lock on"
# Not through keys_to: xdotool's --clearmodifiers would put Caps Lock back.
xdotool key --delay 60 Caps_Lock Num_Lock
wait_status_since "indicator CAP on" "$n" && wait_status_since "indicator NUM on" "$n" \
  || fail "Caps and Num Lock did not turn their indicators on"
if wait_for indicators_shown indicators-on CAP NUM SCRL; then
  pass "CAP, NUM and SCRL shown whole"
else
  fail "an indicator is cut: panes $(tr '\n' '|' <"$TORVO_PANES_FILE")"
fi
n=$(status_lines)
xdotool key --delay 60 Caps_Lock Num_Lock Scroll_Lock
wait_status_since "indicator SCRL off" "$n" && pass "SCRL gone with Scroll Lock off" || fail "SCRL stayed"
wait_status_since "indicator CAP off" "$n" && wait_status_since "indicator NUM off" "$n" || fail "CAP or NUM stayed"

# The legal-moves list shows 14 of its 20 moves, with its scroll bar in
# sight beside them; Enter in the list closes it with no move.
n=$(status_lines)
keys_to "$MAIN" F3
if wait_window "Mögliche Züge"; then
  xdotool mousemove 5 5
  eval "$(xdotool getwindowgeometry --shell "$(window_named "Mögliche Züge")")"
  # The list lies in the left part of the dialog, the coordinates' picture right of it.
  list_bar_shown() {
    screenshot legal-moves-list
    bar=$(scroll_bar_beside_white "$SHOT_DIR/legal-moves-list.png" "$X" "$Y" "$((WIDTH * 2 / 5))" "$HEIGHT" 2>&1)
  }
  if wait_for list_bar_shown; then
    pass "the legal-moves list shows its scroll bar ($bar)"
  else
    fail "the legal-moves list shows no scroll bar: $bar"
  fi
  keys_to "Mögliche Züge" Down Return
  wait_window_gone "Mögliche Züge" && pass "Enter closes the legal-moves list" || fail "Enter left the legal-moves list open"
  turn_board_twice "$MAIN" || fail "the board did not turn after the list"
  status_seen_since "Schwarz ist am Zug" "$n" && fail "Enter in the list played a move"
else
  fail "the legal-moves list did not open"
fi

# The short help box: its status text stays while it is up.
n=$(status_lines)
keys_to "$MAIN" alt+h
wait_status_since "Anzeige Programm Information, Version Nummer und Copyright" "$n"
xdotool key k
check_box "Anleitung" "Kurz - Hilfe" box-short-help
keys_to "Anleitung" Return
wait_window_gone "Anleitung" || fail "the short help did not close"

# A refused move: the refusal stays in the status bar and the picked square
# on the board while the question is up; answered No, the pick goes.
click_square e2
click_square e5
check_box "Ungültiger Zug !" "Ungültiger Zug: e2e5" box-refused-move
board_shot box-refused-move-board
[ "$(square_seen e2)" = mixed ] && pass "the picked e2 stays shown under the question" \
  || fail "e2 shows $(square_seen e2) under the question, not the picked piece"
keys_to "Ungültiger Zug !" alt+n
wait_window_gone "Ungültiger Zug !" || fail "No did not close the question"
wait_board after-refusal e2=red && pass "pick dropped after the question" || fail "e2 shows $(square_seen e2) after the question"

# The paste box with its long caption.
set_clipboard ""
keys_to "$MAIN" ctrl+v
check_box "Einfügen des Spiels (PGN) vom Clipboard" "$(last_status)" box-paste
keys_to "Einfügen des Spiels (PGN) vom Clipboard" Return
wait_window_gone "Einfügen des Spiels (PGN) vom Clipboard" || fail "the paste box did not close"

# Six files opened through the file dialog: four stay in the list.
for i in 2 3 4 5 6; do
  keys_to "$MAIN" ctrl+o
  if ! wait_window "Datei öffnen"; then
    fail "no file dialog"
    break
  fi
  keys_to "Datei öffnen" ctrl+l
  sleep 0.3
  xdotool type --delay 20 "$WORK_DIR/game$i.pgn"
  xdotool key Return
  MAIN="game$i.pgn$TITLE_TAIL"
  wait_window "$MAIN" || fail "game$i.pgn did not open"
done

# Quitting makes the settings folder, with no box, and keeps the list.
rm -rf "$WORK_DIR/home/.config"
close_torvo "$MAIN" || fail "the program did not end on Schliessen (a box at the end?)"
if [ -f "$CONFIG_FILE" ]; then
  entries=$(grep -c '^File[0-9]*=' "$CONFIG_FILE")
  [ "$entries" = 4 ] && grep -qx "File1=$WORK_DIR/game6.pgn" "$CONFIG_FILE" && grep -qx "File4=$WORK_DIR/game3.pgn" "$CONFIG_FILE" \
    && pass "four recent files saved in a new settings folder" || fail "settings hold $entries recent files: $(cat "$CONFIG_FILE")"
else
  fail "no settings file written at $CONFIG_FILE"
fi
grep -q "Konfigurationsdatei" "$WORK_DIR/torvo.out" && fail "the settings could not be written: $(cat "$WORK_DIR/torvo.out")"

# --- The recent list after a restart, one of its files deleted -------------
# Opened on game1.pgn, the list reads game1, game6, game5, game4.
rm -f "$WORK_DIR/game5.pgn"
start_torvo "$EXE" "$WORK_DIR/game1.pgn"
MAIN="game1.pgn$TITLE_TAIL"
wait_window "$MAIN" || { fail "no main window after the restart"; gui_finish window; }
wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG"
n=$(status_lines)
keys_to "$MAIN" alt+d
wait_status_since "Neues Spiel starten" "$n"
screenshot recent-files
xdotool key 3
if wait_window "File - error"; then
  pass "a deleted recent file gives 'File - error'"
  keys_to "File - error" Return
  wait_window_gone "File - error"
  MAIN="NeuesSpiel$TITLE_TAIL"
  wait_window "$MAIN" && pass "the failed open leaves a new game" || fail "the failed open did not leave a new game"
else
  fail "no 'File - error' box for a deleted recent file"
  screenshot deleted-recent-file
fi

# --- The user's mating move --------------------------------------------------
# The computer's turn finds the game over and shows "Spielende"; the board's
# paint has put the result into the status bar before it.
MATE_GAME="$WORK_DIR/mate.pgn"
printf '1.e4 e5 2.Bc4 Nc6 3.Qh5 Nf6 *\n' >"$MATE_GAME"
close_torvo "$MAIN"
start_torvo "$EXE" "$MATE_GAME"
MAIN="mate.pgn$TITLE_TAIL"
if wait_window "$MAIN" && wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG"; then
  click_square h5
  click_square f7
  check_box "Spielende" "1-0 {Weiss setzt matt und gewinnt}" box-mate
  keys_to "Spielende" Return
  wait_window_gone "Spielende" || fail "the game-over box after the mate did not close"
else
  fail "the game before the mate did not open"
fi

# --- A long game in the notation view --------------------------------------
LONG_GAME="$WORK_DIR/long.pgn"
printf '%s\n' "e2e3 e7e6 d1h5 g8f6 f1b5 f6h5 g1f3 b8c6 e1g1 f8b4 b1c3 b4c3 b2c3 e8g8 c1b2 f8e8 f1e1 h5f6 f3g5 f6g4" \
  "f2f4 d8f6 d2d4 f6f5 e3e4 f5b5 h2h3 c6d4 c3d4 b5b2 g5e6 e8e6 h3g4 b2c2 g4g5 e6e4 e1c1 e4f4 c1c2 f4d4" \
  "c2c7 d4d5 a1e1 g8f8 c7c4 d5g5 e1c1 f8g8 c4c8 a8c8 c1c8" >"$LONG_GAME"
close_torvo "$MAIN"
start_torvo "$EXE" "$LONG_GAME"
MAIN="long.pgn$TITLE_TAIL"
wait_window "$MAIN" || { fail "the long game did not open"; gui_finish window; }
wait_for canvas_rect >/dev/null
canvas=$(canvas_rect)
xdotool windowsize "$(window_named "$MAIN")" 420 300
wait_canvas_change "$canvas" || fail "the board did not take the smaller window"
menu_command "$MAIN" a "Wechselt die Ansicht für schwarz oder weiss" g
xdotool mousemove 5 5
eval "$(xdotool getwindowgeometry --shell "$(window_named "$MAIN")")"
notation_bar_shown() {
  read -r cx cy cw ch <"$TORVO_CANVAS_FILE"
  screenshot notation-top
  bar=$(scroll_bar_beside_white "$SHOT_DIR/notation-top.png" "$cx" "$cy" "$((X + WIDTH - cx))" "$ch" 2>&1)
}
if wait_for notation_bar_shown; then
  pass "the notation shows its scroll bar ($bar)"
else
  fail "the notation shows no scroll bar: $bar"
fi
# A line cut off by the window's edge leaves black text pixels in its last columns.
edge=$(convert "$SHOT_DIR/notation-top.png" -crop "3x$ch+$((cx + cw - 3))+$cy" +repage -depth 8 \
  -format %c histogram:info:- | grep -c '#000000')
[ "$edge" = 0 ] && pass "no notation line reaches the window's edge" || fail "notation lines are cut off at the right edge"
xdotool mousemove "$((cx + cw / 2))" "$((cy + ch / 2))"
xdotool click --repeat 8 --delay 50 5
xdotool mousemove 5 5
top=$(convert "$SHOT_DIR/notation-top.png" -crop "${cw}x$ch+$cx+$cy" +repage -depth 8 rgb:- | md5sum)
notation_scrolled() {
  screenshot notation-scrolled
  [ "$(convert "$SHOT_DIR/notation-scrolled.png" -crop "${cw}x$ch+$cx+$cy" +repage -depth 8 rgb:- | md5sum)" != "$top" ]
}
wait_for notation_scrolled && pass "the long notation scrolls" || fail "the notation did not scroll"

# A click brings the board back; the game is over, so the next one shows the
# result in the status bar and in the box "Spielende".
xdotool mousemove "$((cx + cw / 2))" "$((cy + ch / 2))" click 1
sleep 0.5
xdotool click 1
check_box "Spielende" "1-0 {Weiss setzt matt und gewinnt}" box-game-over
keys_to "Spielende" Return
wait_window_gone "Spielende" || fail "the game-over box did not close"
close_torvo "$MAIN" || fail "the program did not end"
grep -q "game5.pgn" "$CONFIG_FILE" && fail "the deleted file stayed in the recent list: $(cat "$CONFIG_FILE")"

gui_finish window
