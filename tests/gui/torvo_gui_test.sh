#!/usr/bin/env bash
# End-to-end test of the desktop program: run it for real under xvfb-run,
# drive it with xdotool, read back its window, status bar and exit status.
# Usage: torvo_gui_test.sh TORVO_EXE OUTPUT_DIR   (OUTPUT_DIR keeps the screenshots)
set -uo pipefail

EXE=$1
# shellcheck source=guilib.sh
source "$(dirname "$0")/guilib.sh"
gui_begin "$2"

CAPTION="$NEW_GAME_CAPTION"

start_torvo "$EXE"
if ! wait_window "$CAPTION"; then
  fail "no window titled '$CAPTION'"
  cat "$WORK_DIR/torvo.out" >&2
  kill "$TORVO_PID" 2>/dev/null
  exit 1
fi
pass "window with the caption '$CAPTION'"
wait_for test -s "$TORVO_CANVAS_FILE" || fail "the board was never painted"
wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG" && pass "status after the first paint" \
  || fail "status bar never read 'Weiss ist am Zug'"
screenshot start

# The window carries the program icon, and the toolbar shows the program's
# own strip: its yellow folder, olive clipboard and navy disk, with the
# strip's silver background left out.
icons=$(xprop -id "$(window_named "$CAPTION")" _NET_WM_ICON | grep -F "Icon (")
grep -Fqx $'\tIcon (32 x 32):' <<<"$icons" \
  && pass "window icon in 32 x 32" || fail "the window has no 32 x 32 icon"
read -r _ canvas_top _ _ <"$TORVO_CANVAS_FILE"
toolbar_colours=$(convert "$SHOT_DIR/start.png" -crop "300x$((canvas_top - 30))+0+30" +repage -depth 8 \
  -format %c histogram:info:- | grep -oE '#[0-9A-F]{6}' | sort -u | tr '\n' ' ')
case "$toolbar_colours" in
  *"#C0C0C0"*) fail "the toolbar shows the strip's silver background" ;;
  *"#FFFF00"*"#808000"* | *"#808000"*"#FFFF00"*)
    [[ $toolbar_colours == *"#000080"* ]] && pass "toolbar pictures from the program's strip" \
      || fail "no navy disk in the toolbar" ;;
  *) fail "the toolbar does not show the program's pictures" ;;
esac
# a8 is a light square with Black's rook: white at its corner, blue at its middle.
read -r x0 y0 _ _ <"$TORVO_CANVAS_FILE"
colour=$(pixel_at "$((x0 + 2))" "$((y0 + 2))")
[ "$colour" = "255,255,255" ] && pass "a8 is a light square" || fail "a8's corner reads '$colour', not white"
read -r x y <<<"$(square_point a8)"
colour=$(pixel_at "$x" "$((y + 10))")
[ "$colour" = "0,0,255" ] && pass "a8 holds a black piece" || fail "a8's middle reads '$colour', not blue"

# A menu opens and its items show their prompts while pointed at.
n=$(status_lines)
keys_to "$CAPTION" alt+h
wait_status_since "Anzeige Programm Information, Version Nummer und Copyright" "$n"
n=$(status_lines)
xdotool key Down
wait_status_since "Hilfe Text Anzeige" "$n" \
  && pass "Hilfe menu open, prompts follow the pointed item" || fail "no prompt from the Hilfe menu"
screenshot menu-hilfe
keys_to "$CAPTION" Escape Escape

# The short help.
n=$(status_lines)
keys_to "$CAPTION" alt+h
wait_status_since "Anzeige Programm Information, Version Nummer und Copyright" "$n"
xdotool key k
wait_window "Anleitung" && pass "short help box" || fail "no box captioned Anleitung"
status_seen_since "Kurz - Hilfe" "$n" || fail "status bar did not read 'Kurz - Hilfe'"
screenshot short-help
keys_to "Anleitung" Return
wait_window_gone "Anleitung" || fail "short help box did not close"

# F7 turns the board and repaints it.
n=$(status_lines)
keys_to "$CAPTION" F7
wait_status_since "Weiss ist am Zug" "$n" && pass "F7 repaints" || fail "no repaint after F7"
screenshot flipped
keys_to "$CAPTION" F7

# Hiding the toolbar and the status bar gives the board their room; showing
# them again takes it back.
for bar in "t:toolbar" "s:status bar"; do
  before=$(canvas_rect)
  menu_command "$CAPTION" a "Wechselt die Ansicht für schwarz oder weiss" "${bar%%:*}"
  if wait_canvas_change "$before"; then
    hidden=$(canvas_rect)
    screenshot "hidden-${bar%%:*}"
    menu_command "$CAPTION" a "Wechselt die Ansicht für schwarz oder weiss" "${bar%%:*}"
    # The old area itself, not the first change: the board may be painted on its way there.
    wait_for canvas_rect_is "$before" && pass "${bar#*:} hidden and shown again" \
      || fail "${bar#*:} did not come back (board at $(canvas_rect), was $before)"
  else
    fail "hiding the ${bar#*:} did not change the board's area"
  fi
done

# The dialogs open from their keys and menu and close with Escape.
for dialog in "F3:Mögliche Züge" "F2:Zug" "alt+e h:Haupt Einstellungen" "ctrl+o:Datei öffnen" "ctrl+s:Speichern unter"; do
  keys=${dialog%%:*}
  title=${dialog#*:}
  # shellcheck disable=SC2086
  keys_to "$CAPTION" $keys
  if wait_window "$title"; then
    screenshot "dialog-${keys// /-}"
    keys_to "$title" Escape
    wait_window_gone "$title" && pass "dialog '$title'" || fail "dialog '$title' did not close on Escape"
  else
    fail "dialog '$title' did not open"
  fi
done

# Windows opened from the first items of their menus.
for window in "h:Anzeige Programm Information, Version Nummer und Copyright:Return:Über Torvo" \
  "d:Neues Spiel starten:v:Druckvorschau" "d:Neues Spiel starten:u:Speichern unter"; do
  IFS=: read -r menu prompt item title <<<"$window"
  menu_command "$CAPTION" "$menu" "$prompt" "$item"
  if wait_window "$title"; then
    # The preview draws its page after the window shows.
    sleep 0.5
    screenshot "window-$menu-$item"
    keys_to "$title" Escape
    wait_window_gone "$title" && pass "window '$title'" || fail "window '$title' did not close on Escape"
  else
    fail "window '$title' did not open"
  fi
done

# A move typed in the move-entry dialog and confirmed with Enter is not played.
n=$(status_lines)
keys_to "$CAPTION" F2
wait_window "Zug" && type_to "Zug" "Nf3" && keys_to "Zug" Return
wait_window_gone "Zug" || fail "Enter did not close the move-entry dialog"
turn_board_twice "$CAPTION" || fail "the board did not turn after the move-entry dialog"
status_seen_since "Schwarz ist am Zug" "$n" && fail "a move confirmed with Enter was played"

# A refused click move asks whether to choose from the list; Yes opens it.
click_square e2
click_square e5
if wait_window "Ungültiger Zug !"; then
  screenshot refused-move
  keys_to "Ungültiger Zug !" Return
  wait_window "Mögliche Züge" && pass "refused move offers the list" || fail "Yes did not open the list"
  keys_to "Mögliche Züge" Escape
  wait_window_gone "Mögliche Züge"
else
  fail "e2e5 was not refused with the box 'Ungültiger Zug !'"
fi
grep -Fqx "Ungültiger Zug: e2e5" "$TORVO_STATUS_LOG" || fail "status bar did not show 'Ungültiger Zug: e2e5'"

# The moves below are the user's for both sides: automatic answers off (the
# check box's mnemonic in the settings dialog), so that no thinking computer
# races the test. The computer's own moves are checked in torvo_play_test.sh.
keys_to "$CAPTION" alt+e h
if wait_window "Haupt Einstellungen"; then
  keys_to "Haupt Einstellungen" alt+a
  screenshot settings-no-answer
  keys_to "Haupt Einstellungen" Return
  wait_window_gone "Haupt Einstellungen" || fail "the settings dialog did not close"
else
  fail "no settings dialog"
fi

# e2 then e4 with the mouse plays the move.
n=$(status_lines)
click_square e2
click_square e4
wait_status_since "Schwarz ist am Zug" "$n" && pass "e2-e4 played with the mouse" \
  || fail "e2-e4 with the mouse was not played"
turn_board_twice "$CAPTION" || fail "the board did not turn after e2-e4"
grep -q "^Computer" <(tail -n +"$((n + 1))" "$TORVO_STATUS_LOG") && fail "the computer answered although told not to"
screenshot after-e2e4

# A move typed in the move-entry dialog and handed over with its OK button is played.
n=$(status_lines)
keys_to "$CAPTION" F2
wait_window "Zug" && type_to "Zug" "Nf6" && keys_to "Zug" Tab space
wait_status_since "Weiss ist am Zug" "$n" && pass "Nf6 played through the move-entry dialog" \
  || fail "Nf6 confirmed with OK was not played"

# Ctrl+N starts a new game at once, and a square picked before is forgotten:
# e2 picked, new game, then e4 and e2 are a refused move e4-e2, not 1.e4.
click_square e2
n=$(status_lines)
keys_to "$CAPTION" ctrl+n
wait_status_since "Weiss ist am Zug" "$n" || fail "no new game after Ctrl+N"
[ "$(xdotool getwindowname "$(window_named "$CAPTION")")" = "$CAPTION" ] || fail "caption changed by the new game"
click_square e4
click_square e2
if wait_window "Ungültiger Zug !"; then
  # The box has no Escape; Yes and then leaving the list closes both.
  keys_to "Ungültiger Zug !" Return
  wait_window "Mögliche Züge" && keys_to "Mögliche Züge" Escape
  wait_window_gone "Mögliche Züge"
fi
status_seen_since "Ungültiger Zug: e4e2" "$n" && pass "new game drops the picked square" \
  || fail "the square picked before Ctrl+N was still picked"
status_seen_since "Schwarz ist am Zug" "$n" && fail "a move was played from the square picked in the old game"
n=$(status_lines)
click_square e2
click_square e4
wait_status_since "Schwarz ist am Zug" "$n" && pass "the new game starts from the initial position" \
  || fail "1.e4 was not playable after Ctrl+N"

# The special moves with the mouse, the picture read back after each:
# en passant, a promotion by capture (the D of the click text makes a queen),
# castling king-side for White and queen-side for Black. 1.e4 is on the board,
# Black to move; the sides alternate from there.
TURN_AFTER="Weiss ist am Zug"
click_moves() {
  local move n
  for move in "$@"; do
    n=$(status_lines)
    click_square "${move:0:2}"
    click_square "${move:2:2}"
    wait_status_since "$TURN_AFTER" "$n" || fail "the click move $move was not played"
    [ "$TURN_AFTER" = "Weiss ist am Zug" ] && TURN_AFTER="Schwarz ist am Zug" || TURN_AFTER="Weiss ist am Zug"
  done
}
click_moves d7d5 e4e5 f7f5 e5f6
board_shot en-passant
squares_are f6=red f5=empty e5=empty && pass "e5xf6 en passant takes the pawn on f5" || fail "en passant board"
click_moves e7e6 f6g7 f8e7 g7h8
board_shot promotion
squares_are h8=red g7=empty && pass "g7xh8 with the mouse promotes" || fail "promotion board"
click_moves b8c6 g1f3 d8d6 f1e2 c8d7 e1g1 e8c8
board_shot castled
squares_are g1=red f1=red e1=empty h1=empty c8=blue d8=blue e8=empty a8=empty \
  && pass "O-O and O-O-O with the mouse move king and rook" || fail "castling board"
set_clipboard "vorher"
keys_to "$CAPTION" ctrl+c
wait_for clipboard_replaced "vorher"
record=$(timeout 5 xclip -o -selection clipboard)
grep -Fq "3.exf6 e6 4.fxg7 Be7 5.gxh8=Q Nc6 6.Nf3 Qd6" <<<"$record" && grep -Fq "8.O-O O-O-O" <<<"$record" \
  && pass "the record reads exf6, gxh8=Q, O-O and O-O-O" || fail "the copied record differs: $record"

close_torvo "$CAPTION"
rc=$?
[ $rc -eq 0 ] && pass "closed through Datei, Schliessen" || fail "program did not end cleanly (status $rc)"
gui_finish GUI
