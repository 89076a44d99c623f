#!/usr/bin/env bash
# The Windows program run for real under Wine on a virtual X server, in a
# fresh Wine prefix, driven with xdotool; screenshots stay in the output folder.
# Usage: torvo_windows_test.sh TORVO_EXE OUTPUT_DIR
set -uo pipefail

EXE=$(realpath "$1")
# shellcheck source=../gui/guilib.sh
source "$(dirname "$0")/../gui/guilib.sh"
# shellcheck source=winelib.sh
source "$(dirname "$0")/winelib.sh"
gui_begin "$2"
GUI_TIMEOUT=20

MAIN=$NEW_GAME_CAPTION
TITLE_TAIL=" - Torvo Halvorn Schach Programm"
IDLE="Warte auf einen Zug."
REGISTRY_KEY='HKCU\Software\Halvorn IT\torvo'

wine_begin windows

wait_status() { wait_for status_is "$1"; }
# The first status line since the log had $2 lines that begins with $1.
status_starting_since() { tail -n +"$(($2 + 1))" "$TORVO_STATUS_LOG" | grep -m1 -F -- "$1"; }
# A text value of the registry, as UTF-8: the export keeps every letter,
# where the console's code page would not.
registry_value() {
  local out="$WORK_DIR/export.reg"
  rm -f "$out"
  wine reg export "$1" "$(winepath -w "$out")" /y >/dev/null 2>&1 || return 1
  iconv -f UTF-16LE -t UTF-8 "$out" | tr -d '\r' | sed -nE "s/^\"$2\"=\"(.*)\"$/\1/p" | sed 's/\\\\/\\/g'
}
# Puts text into the focused field of the window titled $1 through the
# clipboard: xdotool's typing loses capital umlauts on their way into Wine.
paste_to() {
  set_clipboard "$2"
  keys_to "$1" ctrl+a ctrl+v
}
# Clicks a point of the screen.
click_at() {
  xdotool mousemove --sync "$1" "$2" 2>/dev/null || xdotool mousemove "$1" "$2"
  xdotool click 1
}

INITIAL=(a8=blue e8=blue h8=blue a7=blue h7=blue a6=empty e4=empty h3=empty a2=red e2=red a1=red e1=red h1=red)

# --- Start: caption, the painted board, its status text --------------------
start_ms=$(date +%s%3N)
start_windows_torvo
if wait_for canvas_known; then
  pass "first board painted $(($(date +%s%3N) - start_ms)) ms after the start"
else
  fail "no board was painted"; gui_finish windows
fi
wait_window "$MAIN" && pass "caption '$MAIN'" || fail "no window captioned '$MAIN'"
wait_status "Weiss ist am Zug" && pass "status 'Weiss ist am Zug' after the first paint" \
  || fail "status after the first paint: '$(last_status)'"
wait_board start "${INITIAL[@]}" && pass "the initial position on the screen" || fail "the start position is not shown"

# --- F7 turns the board ----------------------------------------------------
# Each turn waited for by its paint, which writes the status line.
n=$(status_lines)
keys_to "$MAIN" F7
wait_for side_painted_since "$n" || fail "no paint after F7"
FLIPPED=1 wait_board flipped "${INITIAL[@]}" && pass "F7 turns the board" || fail "F7 did not turn the board"
n=$(status_lines)
keys_to "$MAIN" F7
wait_for side_painted_since "$n" || fail "no paint after the second F7"
wait_board unflipped "${INITIAL[@]}" || fail "the second F7 did not turn the board back"

# --- Prompts: a menu item, the idle text after the menu, a toolbar button ------
n=$(status_lines)
keys_to "$MAIN" alt+d
wait_status_since "Neues Spiel starten" "$n" && pass "the Datei menu's first item gives its prompt" \
  || fail "no prompt for the Datei menu's first item"
keys_to "$MAIN" Escape Escape
wait_status "$IDLE" && pass "the idle text once the menu has closed" || fail "after the menu: '$(last_status)'"
read -r x0 y0 _ _ <"$TORVO_CANVAS_FILE"
# The first button (a new game) sits a few pixels into the toolbar above the view.
n=$(status_lines)
xdotool mousemove --sync $((x0 + 10)) $((y0 - 14))
wait_status_since "Neues Spiel starten" "$n" && pass "the first button gives its prompt" \
  || fail "no prompt while the first button is pointed at"
sleep 1.5
screenshot tooltip-new
xdotool mousemove --sync $((x0 + 200)) $((y0 + 200))
wait_status "$IDLE" && pass "the idle text once the pointer has left the toolbar" || fail "after the toolbar: '$(last_status)'"

# --- Scroll Lock in its pane ----------------------------------------------------
n=$(status_lines)
keys_to "$MAIN" Scroll_Lock
wait_status_since "indicator SCRL on" "$n" && pass "SCRL shows with Scroll Lock" || fail "no SCRL after Scroll Lock"
screenshot indicator-scrl
keys_to "$MAIN" Scroll_Lock
wait_status_since "indicator SCRL off" "$n" && pass "SCRL goes with Scroll Lock" || fail "SCRL stays after Scroll Lock"

# --- Toolbar and status bar hidden and shown through "&Ansicht" --------------
canvas=$(canvas_rect)
keys_to "$MAIN" alt+a t
wait_canvas_change "$canvas" && pass "the toolbar hides, the board takes its place" || fail "hiding the toolbar left the board as it was"
canvas=$(canvas_rect)
keys_to "$MAIN" alt+a s
wait_canvas_change "$canvas" && pass "the status bar hides" || fail "hiding the status bar left the board as it was"
screenshot bars-hidden
canvas=$(canvas_rect)
keys_to "$MAIN" alt+a t
wait_canvas_change "$canvas"
canvas=$(canvas_rect)
keys_to "$MAIN" alt+a s
wait_canvas_change "$canvas"
read -r _ y1 _ _ <"$TORVO_CANVAS_FILE"
[ "$y1" = "$y0" ] && pass "both bars come back" || fail "after showing both bars again the board starts at $y1, not $y0"

# --- The toolbar docked at the left edge, floated, and docked at the top again -
# Dragged by its empty part with the button held, as a user moves it.
drag() {
  xdotool mousemove --sync "$1" "$2" mousedown 1
  xdotool mousemove --sync $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
  xdotool mousemove --sync "$3" "$4"
  sleep 0.2
  xdotool mouseup 1
}
read -r x0 y0 w0 h0 <"$TORVO_CANVAS_FILE"
canvas=$(canvas_rect)
drag $((x0 + w0 - 20)) $((y0 - 10)) $((x0 + 5)) $((y0 + h0 / 2))
wait_canvas_change "$canvas"
read -r x1 y1 w1 h1 <"$TORVO_CANVAS_FILE"
screenshot toolbar-left
[ "$x1" -gt "$x0" ] && [ "$y1" -lt "$y0" ] && [ $((x1 + w1)) = $((x0 + w0)) ] \
  && pass "the toolbar docks at the left edge: the board moves right and up" \
  || fail "after the drag to the left edge the board stands at $x1 $y1 $w1 $h1, was $x0 $y0 $w0 $h0"
canvas=$(canvas_rect)
drop_x=$((x0 + w0 / 2)) drop_y=$((y0 + h0 / 2))
drag $((x0 + 8)) $((y1 + h1 - 15)) "$drop_x" "$drop_y"
wait_canvas_change "$canvas"
read -r x2 y2 w2 h2 <"$TORVO_CANVAS_FILE"
screenshot toolbar-floating
[ "$x2" = "$x0" ] && [ "$y2" = "$y1" ] && [ "$w2" = "$w0" ] \
  && pass "dropped over the board the toolbar floats, and the board takes the whole client area" \
  || fail "after the drop over the board it stands at $x2 $y2 $w2 $h2"
n=$(status_lines)
xdotool mousemove --sync $((drop_x + 25)) "$drop_y"
wait_status_since "Neues Spiel starten" "$n" && pass "the floating toolbar's first button gives its prompt" \
  || fail "no prompt from the floating toolbar's first button"
canvas=$(canvas_rect)
xdotool mousemove --sync "$drop_x" "$drop_y" click --repeat 2 --delay 100 1
wait_canvas_change "$canvas"
[ "$(canvas_rect)" = "$x0 $y0 $w0 $h0" ] && pass "a double-click on its grip docks the toolbar at the top again" \
  || fail "after the double-click the board stands at $(canvas_rect), not $x0 $y0 $w0 $h0"

# --- e2-e4 with the mouse, and the computer's answer -------------------------
n=$(status_lines)
click_square e2
click_square e4
if wait_for status_starting_since "$COMPUTER_MOVES" "$n"; then
  pass "status '$(status_starting_since "$COMPUTER_MOVES" "$n")'"
else
  fail "no '$COMPUTER_MOVES' status after e2-e4"
fi
wait_status "Weiss ist am Zug"
wait_board after-e4 e2=empty e4=red && pass "e2-e4 on the board" || fail "e2-e4 is not on the board"
answer=$(status_starting_since "$COMPUTER_MOVES" "$n")
answer=${answer#"$COMPUTER_MOVES"}
if [[ $answer =~ ^[a-h][1-8][a-h][1-8] ]]; then
  squares_are "${answer:0:2}=empty" "${answer:2:2}=blue" && pass "the computer's $answer on the board" \
    || fail "the computer's $answer is not on the board"
else
  fail "the computer's answer '$answer' is no coordinate move"
fi

# --- Ctrl+C: the record on the clipboard, read on the X side ---------------
clipboard_holds_record() {
  record=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')
  grep -qE '^\[Event "Torvo Computer Game"\] *$' <<<"$record" && grep -qE "^1\.e4 [^ ]+ +\* *$" <<<"$record"
}
keys_to "$MAIN" ctrl+c
if wait_for clipboard_holds_record; then
  pass "Ctrl+C puts the record on the clipboard"
else
  fail "the clipboard holds: $record"
fi

# --- A refused move: the question, and "Ja" opens the list of legal moves -----
REFUSED="Ungültiger Zug !"
LEGAL="Mögliche Züge"
click_square d2
click_square d5
if wait_window "$REFUSED"; then
  screenshot box-refused-move
  [ "$(last_status)" = "Ungültiger Zug: d2d5" ] && pass "status 'Ungültiger Zug: d2d5' under the question" \
    || fail "status under the question: '$(last_status)'"
  keys_to "$REFUSED" Return
  if wait_window "$LEGAL"; then
    pass "'Ja' opens '$LEGAL'"
    screenshot dialog-legal-moves
    keys_to "$LEGAL" Escape
    wait_window_gone "$LEGAL" && pass "'$LEGAL' closes with Escape" || fail "'$LEGAL' stays after Escape"
  else
    fail "'Ja' did not open '$LEGAL'"
  fi
else
  fail "no '$REFUSED' box for d2-d5"
fi
wait_board after-refusal d2=red d5=empty && pass "the refused move left the board alone" || fail "the refused move changed the board"

# --- The other dialogs and the print preview open and close -------------------
open_and_close() {
  local title=$1 shot=$2
  shift 2
  keys_to "$MAIN" "$@"
  if wait_window "$title"; then
    sleep 0.3
    screenshot "$shot"
    keys_to "$title" Escape
    wait_window_gone "$title" && pass "'$title' opens and closes" || fail "'$title' stays after Escape"
  else
    fail "'$title' did not open"
  fi
}
open_and_close "Haupt Einstellungen" dialog-settings alt+e h
open_and_close "Zug" dialog-move-entry F2
open_and_close "Über Torvo" dialog-about alt+h Return
open_and_close "NeuesSpiel - Druck Vorschau" print-preview alt+d v
n=$(status_lines)
keys_to "$MAIN" F3
if wait_window "$LEGAL"; then
  # The first move of the sorted list, handed over with OK, is played and answered.
  keys_to "$LEGAL" Home Tab Return
  wait_window_gone "$LEGAL"
  wait_for status_starting_since "$COMPUTER_MOVES" "$n" && pass "a move chosen from '$LEGAL' is played and answered" \
    || fail "the move chosen from '$LEGAL' got no answer"
  wait_status "Weiss ist am Zug"
else
  fail "F3 did not open '$LEGAL'"
fi

# --- The notation shown in the window, and the board back ----------------------
keys_to "$MAIN" alt+a g
if wait_for notation_shows notation; then
  pass "the notation: dark text on white ($NOTATION_WHITE white)"
else
  fail "the notation area is $NOTATION_WHITE white"
fi
n=$(status_lines)
keys_to "$MAIN" alt+a g
wait_for side_painted_since "$n" || fail "the board was not painted again after the notation"

# --- A game pasted -----------------------------------------------------------
PASTE_CAPTION="Einfügen des Spiels (PGN) vom Clipboard"
set_clipboard $'[Event "Kopiert"]\r\n\r\n1. d2d4 d7d5 2. c2c4 \r\n'
keys_to "$MAIN" ctrl+v
if wait_window "$PASTE_CAPTION"; then
  screenshot box-paste
  keys_to "$PASTE_CAPTION" Return
  wait_window_gone "$PASTE_CAPTION"
  wait_board pasted d2=empty d4=red d7=empty d5=blue c2=empty c4=red e2=red && pass "the pasted game is on the board" \
    || fail "the pasted game is not on the board"
else
  fail "no box '$PASTE_CAPTION' after Ctrl+V"
fi

# --- Saved through the file dialog, then opened again ------------------------
# Wine's German captions of the system's file dialogs.
SAVE_DIALOG="Speichern als"
OPEN_DIALOG="Öffnen"
GAMES="$WORK_DIR/Schach Partien ä"
mkdir -p "$GAMES"
GAME_FILE="$GAMES/Übung.pgn"
GAME_WINE="Z:$(tr / '\\' <<<"$GAME_FILE")"
keys_to "$MAIN" ctrl+s
if wait_window "$SAVE_DIALOG"; then
  sleep 0.5
  screenshot dialog-save
  paste_to "$SAVE_DIALOG" "$GAME_WINE"
  keys_to "$SAVE_DIALOG" Return
  wait_window "Übung.pgn$TITLE_TAIL" && pass "saved: the caption names Übung.pgn" || fail "no caption 'Übung.pgn$TITLE_TAIL' after saving"
  if [ -f "$GAME_FILE" ] && grep -aqF "1. d2d4 d7d5 2. c2c4" <(tr -d "\r" <"$GAME_FILE" | tr -s " "); then
    pass "the file in 'Schach Partien ä' holds the game"
  else
    fail "the saved file is missing or wrong: $(cat "$GAME_FILE" 2>&1)"
  fi
else
  fail "Ctrl+S showed no '$SAVE_DIALOG' dialog"
fi
keys_to "Übung.pgn$TITLE_TAIL" ctrl+n
wait_window "$MAIN" || fail "Ctrl+N did not give a new game"
keys_to "$MAIN" ctrl+o
if wait_window "$OPEN_DIALOG"; then
  sleep 0.5
  screenshot dialog-open
  paste_to "$OPEN_DIALOG" "$GAME_WINE"
  keys_to "$OPEN_DIALOG" Return
  wait_window "Übung.pgn$TITLE_TAIL" && pass "opened again through the file dialog" || fail "the open dialog did not open Übung.pgn"
  wait_board reopened d4=red d5=blue c4=red && pass "the opened game is on the board" || fail "the opened game is not on the board"
else
  fail "Ctrl+O showed no '$OPEN_DIALOG' dialog"
fi
CURRENT="Übung.pgn$TITLE_TAIL"

# --- The close box; the recent file read from the registry after a restart --
wm_close "$CURRENT"
wait_program_end && pass "the close box ends the program" || fail "the program did not end after the close box"
wineserver -w
file1=$(registry_value "$REGISTRY_KEY\\Recent File List" File1)
[ "$file1" = "$GAME_WINE" ] && pass "File1 in the registry is $file1" || fail "File1 in the registry is '$file1', not '$GAME_WINE'"
start_windows_torvo
wait_window "$MAIN" || fail "no window after the restart"
n=$(status_lines)
keys_to "$MAIN" alt+d
wait_status_since "Neues Spiel starten" "$n" || fail "the Datei menu did not open after the restart"
screenshot menu-recent
xdotool key 1
wait_window "$CURRENT" && pass "after a restart the game stands under 'Letzte Datei' and opens" \
  || fail "the recent file did not open from the menu after the restart"

# --- Closing while the computer thinks ends the program cleanly --------------
# Ready beforehand, the request goes the moment the thinking is shown.
n=$(status_lines)
"$(dirname "$0")/../gui/wm_close.py" "$(window_named "$CURRENT")" "$TORVO_STATUS_LOG" "$n" "Der Computer denkt" &
sender=$!
keys_to "$CURRENT" F8
wait "$sender" || fail "could not send the close request while the computer thinks"
if wait_program_end; then
  torvo_status
  code=$?
  [ $code -eq 0 ] && pass "closed while thinking: the program ends with 0" || fail "closed while thinking: exit code $code"
else
  fail "the program did not end after the close box while thinking"
fi
wineserver -w

# --- The user's mating move: the result stands in the status bar under the box -
MATE_FILE="$WORK_DIR/matt.pgn"
printf '1.e4 e5 2.Bc4 Nc6 3.Qh5 Nf6 *\r\n' >"$MATE_FILE"
MATE_MAIN="matt.pgn$TITLE_TAIL"
start_windows_torvo "Z:$(tr / '\\' <<<"$MATE_FILE")"
if wait_window "$MATE_MAIN" && wait_for canvas_known && wait_status "Weiss ist am Zug"; then
  click_square h5
  click_square f7
  if wait_window "Spielende"; then
    sleep 0.5
    screenshot box-mate
    [ "$(last_status)" = "1-0 {Weiss setzt matt und gewinnt}" ] \
      && pass "the result in the status bar while 'Spielende' is up after the mating move" \
      || fail "status under 'Spielende' after the mating move: '$(last_status)'"
    keys_to "Spielende" Return
    wait_window_gone "Spielende" || fail "'Spielende' stays after Enter"
  else
    fail "no 'Spielende' box after the mating move"
  fi
  wm_close "$MATE_MAIN"
  wait_program_end || fail "the program did not end after the mate"
else
  fail "the game before the mate did not open"
fi
wineserver -w

# --- A file on the command line that cannot be opened ends the program --------
start_windows_torvo "$WORK_DIR/fehlt.pgn"
if wait_window "File - error"; then
  screenshot box-open-error
  keys_to "File - error" Return
  if wait_program_end; then
    torvo_status
    code=$?
    [ $code -ne 0 ] && pass "a missing file on the command line: 'File - error', then the end ($code)" \
      || fail "a missing file on the command line ended with 0"
  else
    fail "the program still runs after the missing file's box"
  fi
else
  fail "no 'File - error' box for a missing file on the command line"
fi

gui_finish windows
