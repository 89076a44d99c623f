#!/usr/bin/env bash
# Games in and out of the real program: a .pgn file named on the command
# line, a move played and saved back with Ctrl+S, the file opened again, a
# game pasted from the clipboard, a file with Latin-1 letters copied, and -p
# printing a file.
# Usage: torvo_file_test.sh TORVO_EXE OUTPUT_DIR   (OUTPUT_DIR keeps the screenshots)
set -uo pipefail

EXE=$(realpath "$1")
# shellcheck source=guilib.sh
source "$(dirname "$0")/guilib.sh"
gui_begin "$2"

TITLE_TAIL=" - Torvo Halvorn Schach Programm"
GAME="$WORK_DIR/partie.pgn"
CAPTION="partie.pgn$TITLE_TAIL"
PASTE_BOX="Einfügen des Spiels (PGN) vom Clipboard"

# Starts the program on the game file and waits for its first board.
start_on_game() {
  start_torvo "$EXE" "$GAME"
  wait_window "$CAPTION" && wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG"
}

computer_move_since() {
  local line
  line=$(tail -n +"$(($1 + 1))" "$TORVO_STATUS_LOG" | grep -F -- "$COMPUTER_MOVES" | tail -n 1) || return 1
  local move=${line#"$COMPUTER_MOVES"}
  echo "${move:0:2} ${move:2:2}"
}
computer_moved_since() { computer_move_since "$1" >/dev/null; }

# A Ruy Lopez as another program would write it: its own tags, LF line ends.
printf '[Event "Vereinsmeisterschaft"]\n[White "Anna"]\n[Black "Bert"]\n\n1.e4 e5 2.Nf3 Nc6 3.Bb5 a6 *\n' >"$GAME"
original=$(cat "$GAME")

# Started with the file: its name in the caption, its position on the board.
start_torvo "$EXE" "$GAME"
if wait_window "$CAPTION"; then
  pass "caption '$CAPTION'"
else
  fail "no window captioned '$CAPTION' (windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|'))"
  gui_finish file
fi
wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG" || fail "status bar never read 'Weiss ist am Zug'"
board_shot opened
squares_are e4=red e5=blue f3=red c6=blue b5=red a6=blue e2=empty g1=empty b8=empty f1=empty e1=red \
  && pass "the board shows the game of the file" || fail "the board does not show the file's game"

# 4.Ba4 with the mouse, the computer answers, Ctrl+S writes the file back.
n=$(status_lines)
click_square b5
click_square a4
if GUI_TIMEOUT=20 wait_for computer_moved_since "$n"; then
  read -r from to <<<"$(computer_move_since "$n")"
  pass "4.Ba4 answered with $from$to"
else
  fail "no answer to 4.Ba4"
  gui_finish file
fi
wait_status_since "Weiss ist am Zug" "$n"
keys_to "$CAPTION" ctrl+s
wait_for grep -q "4.Ba4" "$GAME" || fail "Ctrl+S did not write 4.Ba4 into $GAME"
sleep 0.3
mapfile -t lines < <(sed 's/\r$//' "$GAME")
if [ "$(tr -d '\r' <"$GAME" | wc -l)" != "$(grep -c $'\r$' "$GAME")" ]; then
  fail "a line of the saved file does not end in CR LF"
  od -c "$GAME" | head -20 >&2
elif [ "${lines[0]}" != '[Event "Torvo Computer Game"]' ] || [ "${lines[7]}" != "" ] \
  || ! [[ ${lines[8]} =~ ^1\.e4\ e5\ 2\.Nf3\ Nc6\ 3\.Bb5\ a6\ 4\.Ba4\ [^\ ]+\ \*\ $ ]] \
  || [ "${lines[9]}${lines[10]}" != "" ] || [ "$(printf '%s\n' "${lines[@]:11}")" != "$(sed 's/$/ /' <<<"$original")" ]; then
  fail "the saved file is not the new record followed by the old text"
  cat -A "$GAME" >&2
else
  pass "Ctrl+S wrote the record, two empty lines and the old text, with CR LF"
fi
close_torvo "$CAPTION" || fail "the program did not close"

# Opened again: the continued game, with the computer's answer.
if start_on_game; then
  board_shot reopened
  # The answer may have been ...b5, onto the square the bishop left.
  left=b5=empty
  [ "$to" = b5 ] && left=b5=blue
  squares_are "$left" a4=red "$from=empty" "$to=blue" e4=red && pass "the saved game opens again" \
    || fail "the saved game does not show after opening it again"
else
  fail "the saved file did not open"
fi

# Ctrl+V: the preview box with the pasted text, then the pasted game.
set_clipboard $'[Event "Blitz"]\n\n1.d4 d5 2.c4 *\n'
n=$(status_lines)
keys_to "$CAPTION" ctrl+v
if wait_window "$PASTE_BOX"; then
  screenshot paste-preview
  keys_to "$PASTE_BOX" Return
  wait_window_gone "$PASTE_BOX" || fail "the preview box did not close"
  wait_status_since "Schwarz ist am Zug" "$n" || fail "no repaint after the paste"
  board_shot pasted
  squares_are d4=red d5=blue c4=red d2=empty c2=empty d7=empty a4=empty b5=empty e4=empty e5=empty \
    && pass "Ctrl+V loaded 1.d4 d5 2.c4" || fail "the board does not show the pasted game"
else
  fail "no preview box '$PASTE_BOX' after Ctrl+V"
fi
# The pasted game is a new game: its own caption, and Ctrl+S asks for a name
# rather than overwriting the file opened before. The name typed into the
# file dialog gets the pasted text, unchanged, each line with a blank added.
CAPTION="NeuesSpiel$TITLE_TAIL"
saved=$(cat "$GAME")
PASTED="$WORK_DIR/eingefuegt.pgn"
if wait_window "$CAPTION"; then
  keys_to "$CAPTION" ctrl+s
  if wait_window "Speichern unter"; then
    screenshot save-pasted-game
    keys_to "Speichern unter" ctrl+a
    type_to "Speichern unter" "$PASTED"
    keys_to "Speichern unter" Return
    wait_window_gone "Speichern unter" || fail "the file dialog did not take the name"
    [ "$(cat "$GAME")" = "$saved" ] && pass "Ctrl+S after a paste asks for a new name" \
      || fail "Ctrl+S after a paste changed $GAME"
    CAPTION="eingefuegt.pgn$TITLE_TAIL"
    if wait_for test -s "$PASTED" && wait_window "$CAPTION"; then
      [ "$(od -c "$PASTED")" = "$(printf '[Event "Blitz"] \r\n1.d4 d5 2.c4 * \r\n' | od -c)" ] \
        && pass "saved under the typed name, caption '$CAPTION'" || { fail "$PASTED is not the pasted text"; od -c "$PASTED" >&2; }
    else
      fail "nothing saved as $PASTED, or the caption did not follow"
    fi
  else
    fail "Ctrl+S after a paste did not ask for a name"
  fi
else
  fail "the caption after the paste is not '$CAPTION'"
fi
close_torvo "$CAPTION" || fail "the program did not close after the paste"

# A file with Latin-1 letters, as older programs write them: Ctrl+C puts
# its text on the clipboard with those letters in UTF-8.
LATIN_GAME="$WORK_DIR/alt.pgn"
printf '[Event "Stadtmeisterschaft M\xfcnchen"]\r\n[White "J\xe4ger"]\r\n[Black "B\xf6hm"]\r\n\r\n1.e4 e5 *\r\n' \
  >"$LATIN_GAME"
CAPTION="alt.pgn$TITLE_TAIL"
set_clipboard "vorher"
start_torvo "$EXE" "$LATIN_GAME"
if wait_window "$CAPTION" && wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG"; then
  keys_to "$CAPTION" ctrl+c
  wait_for clipboard_replaced "vorher"
  copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null | od -c)
  expected=$(printf '[Event "Stadtmeisterschaft München"] \r\n[White "Jäger"] \r\n[Black "Böhm"] \r\n \r\n1.e4 e5 * \r\n' | od -c)
  if [ "$copied" = "$expected" ]; then
    pass "Ctrl+C on a Latin-1 file put its text on the clipboard in UTF-8"
  else
    fail "the clipboard after copying the Latin-1 file differs"
    diff <(echo "$expected") <(echo "$copied") >&2
  fi
  # Pasted back, the preview box shows the letters.
  keys_to "$CAPTION" ctrl+v
  if wait_window "$PASTE_BOX"; then
    sleep 0.3
    screenshot paste-latin1-copy
    keys_to "$PASTE_BOX" Return
    wait_window_gone "$PASTE_BOX" || fail "the preview box of the copied text did not close"
  else
    fail "no preview box for the copied text"
  fi
  CAPTION="NeuesSpiel$TITLE_TAIL"
  wait_window "$CAPTION" || fail "the copied text did not paste as a new game"
  close_torvo "$CAPTION" || fail "the program did not close after the copy"
else
  fail "the Latin-1 file did not open"
fi

# -p prints the file through the platform's print dialog and ends; here the
# only printer is the toolkit's print to a file (output.pdf in the folder, or
# its name in the locale's language).
cd "$WORK_DIR" || exit 1
rm -f ./*.pdf
start_torvo "$EXE" -p "$GAME"
print_dialog() { window_named Print || window_named Drucken; }
if wait_for print_dialog; then
  screenshot print-dialog
  id=$(print_dialog)
  xdotool windowfocus --sync "$id" 2>/dev/null
  xdotool key --delay 150 Down Return
else
  fail "-p showed no print dialog"
fi
deadline=$((SECONDS + 30))
while torvo_running && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
if torvo_running; then
  fail "-p did not end"
  screenshot print-hangs
else
  torvo_status
  rc=$?
  [ $rc -eq 0 ] && pass "-p ended with exit status 0" || fail "-p ended with exit status $rc"
  # The page's text, put together from the PDF's compressed text pieces.
  pdf=$(ls -t ./*.pdf 2>/dev/null | head -n 1)
  printed=$(python3 - "${pdf:-output.pdf}" <<'PYTHON' 2>/dev/null
import re, sys, zlib
data = open(sys.argv[1], "rb").read()
for stream in re.findall(rb"stream\r?\n(.*?)endstream", data, re.S):
    try:
        text = zlib.decompress(stream)
    except zlib.error:
        continue
    for line in re.findall(rb"\[(.*?)\]\s*TJ", text, re.S):
        print(b"".join(re.findall(rb"\(((?:\\.|[^\\)])*)\)", line)).decode("latin-1"))
PYTHON
  )
  grep -Fqx '[Event "Torvo Computer Game"]' <<<"$printed" && grep -q '^1\.e4 e5 2\.Nf3 Nc6 3\.Bb5 a6 4\.Ba4 ' <<<"$printed" \
    && pass "-p printed the game's notation to ${pdf#./}" || fail "no printed PDF holds the game's notation"
fi
grep -Eq "AddressSanitizer|LeakSanitizer|runtime error:" "$WORK_DIR/torvo.out" && fail "sanitizer report"

gui_finish file
