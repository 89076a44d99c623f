#!/usr/bin/env bash
# A game against the computer in the real program: a move with the mouse and
# the computer's answer read back from the window's pixels, the board turned,
# the game copied to the clipboard, and what happens when the user acts while
# the computer thinks: a click, a new game, closing the window.
# Usage: torvo_play_test.sh TORVO_EXE OUTPUT_DIR   (OUTPUT_DIR keeps the screenshots)
set -uo pipefail

EXE=$1
# shellcheck source=guilib.sh
source "$(dirname "$0")/guilib.sh"
gui_begin "$2"

CAPTION="$NEW_GAME_CAPTION"
THINKING="Der Computer denkt"

# The computer's move shown since status line $1, as "from to" ("e7 e5").
computer_move_since() {
  local line
  line=$(tail -n +"$(($1 + 1))" "$TORVO_STATUS_LOG" | grep -F -- "$COMPUTER_MOVES" | tail -n 1) || return 1
  local move=${line#"$COMPUTER_MOVES"}
  echo "${move:0:2} ${move:2:2}"
}
computer_moved_since() { computer_move_since "$1" >/dev/null; }

# The settings dialog's keyboard: three tabs reach the level buttons, where
# the checked one (Level 3) has the focus; Down checks Level 4 (two seconds),
# which leaves time to act while the computer thinks.
set_level_4() {
  keys_to "$CAPTION" alt+e h
  wait_window "Haupt Einstellungen" || return 1
  keys_to "Haupt Einstellungen" Tab Tab Tab Down
  screenshot settings-level-4
  keys_to "Haupt Einstellungen" Return
  wait_window_gone "Haupt Einstellungen"
}

start_torvo "$EXE"
if ! wait_window "$CAPTION" || ! wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG"; then
  fail "the program did not come up with its board"
  gui_finish play
fi

# 1.e4 with the mouse; the computer answers on its own.
n=$(status_lines)
click_square e2
click_square e4
if wait_status_since "$THINKING" "$n" && GUI_TIMEOUT=20 wait_for computer_moved_since "$n"; then
  read -r from to <<<"$(computer_move_since "$n")"
  pass "the computer answered 1.e4 with $from$to"
  wait_status_since "Weiss ist am Zug" "$n" || fail "no repaint after the computer's move"
  board_shot after-reply
  squares_are e2=empty e4=red "$from=empty" "$to=blue" a1=red h8=blue d1=red e8=blue c3=empty f6=empty \
    && pass "board pixels show 1.e4 and $from-$to" || fail "board does not show 1.e4 $from-$to"
else
  fail "no 'Computer zieht' after 1.e4"
  gui_finish play
fi

# F7 turns the board: h1 at the top left, White's pieces at the top.
n=$(status_lines)
keys_to "$CAPTION" F7
wait_status_since "Weiss ist am Zug" "$n"
board_shot flipped-after-reply
read -r x0 y0 w h <"$TORVO_CANVAS_FILE"
top_left=$(convert "$BOARD_SHOT" -crop "$((w / 8 - 6))x$((h / 8 - 6))+$((x0 + 3))+$((y0 + 3))" +repage -depth 8 \
  -format %c histogram:info:- | grep -c '#FF0000')
FLIPPED=1 squares_are h1=red a1=red e4=red e2=empty a8=blue "$to=blue" && [ "$top_left" -gt 0 ] \
  && pass "F7: a red rook at the top left, the game seen from Black's side" || fail "F7 did not turn the board"
n=$(status_lines)
keys_to "$CAPTION" F7
wait_status_since "Weiss ist am Zug" "$n"

# Ctrl+C: the clipboard form of the record, every line ending in a blank and CR LF.
case "$from" in
  b8 | g8) reply_san="N$to" ;;
  *) reply_san=$to ;;
esac
expected=$(printf '[%s "%s"] \r\n' Event "Torvo Computer Game" Site "?" Date "$(date +%Y.%m.%d)" Round "-" \
  White "?" Black "?" Result "*"
  printf '\r\n1.e4 %s  *  \r\n' "$reply_san")
set_clipboard "vorher"
keys_to "$CAPTION" ctrl+c
wait_for clipboard_replaced "vorher"
copied=$(timeout 5 xclip -o -selection clipboard)
if [ "$copied" = "$expected" ]; then
  pass "Ctrl+C put the record on the clipboard"
else
  fail "clipboard text differs from the record"
  diff <(printf '%s' "$expected" | od -c) <(printf '%s' "$copied" | od -c) >&2
fi

set_level_4 || fail "the settings dialog did not take Level 4"

# A click while the computer thinks is handled at once: the picked piece is
# painted as a silhouette before the computer has moved.
n=$(status_lines)
click_square d2
click_square d4
if wait_status_since "$THINKING" "$n"; then
  click_square b8
  thinking_from=$(grep -nFx "$THINKING" "$TORVO_STATUS_LOG" | tail -n 1 | cut -d: -f1)
  if wait_status_since "Schwarz ist am Zug" "$thinking_from" && ! computer_moved_since "$n"; then
    board_shot click-while-thinking
    squares_are b8=mixed d4=red d2=empty && pass "a click while thinking picks b8 and repaints at once" \
      || fail "the picked square did not show while the computer thinks"
  else
    fail "no repaint for the click before the computer's move"
  fi
  # "Neu" while thinking: a new game, and the computer plays nothing. With
  # thinking off the pump lets no event through: the board's two turns are
  # painted once the search has returned, after its move if it made one.
  # A Ctrl+N that reached the program only after the computer's move (on a
  # busy machine) tells nothing: the move then stands before the first "Weiss
  # ist am Zug" since the key. Such a try is made again from 1.d4.
  verdict=late
  for attempt in 1 2 3 4 5; do
    n=$(status_lines)
    keys_to "$CAPTION" ctrl+n
    wait_status_since "Weiss ist am Zug" "$n" || { verdict=none; break; }
    turn_board_twice "$CAPTION" || fail "the board did not turn after the new game"
    white=$((n + $(tail -n +"$((n + 1))" "$TORVO_STATUS_LOG" | grep -nFx -m 1 "Weiss ist am Zug" | cut -d: -f1)))
    if ! computer_moved_since "$n"; then verdict=ok; break; fi
    if computer_moved_since "$white"; then verdict=moved; break; fi
    n=$(status_lines)
    click_square d2
    click_square d4
    wait_status_since "$THINKING" "$n" || { verdict=none; break; }
  done
  board_shot new-game-while-thinking
  case $verdict in
    ok)
      squares_are d2=red d4=empty e2=red e4=empty b8=blue && [ "$(last_status)" = "Weiss ist am Zug" ] \
        && pass "Ctrl+N while thinking: initial position, no computer move" \
        || fail "the board after Ctrl+N while thinking is not the initial position (status '$(last_status)')" ;;
    moved) fail "the computer still moved after Ctrl+N: $(computer_move_since "$white")" ;;
    late) fail "Ctrl+N came only after the computer's move in all $attempt tries" ;;
    *) fail "no new game after Ctrl+N, or no thinking after 1.d4 again" ;;
  esac
else
  fail "the computer did not start thinking after 1.d4"
fi

# Closing the window while the computer thinks ends the program cleanly.
# The program logs the request as it comes: one that comes only after the
# computer's move (a slow machine) was no close while thinking, and the
# program, ended by it, is started again for another try.
CLOSE_TRIES=5
closes_while_thinking() {
  local n id sender rc log close moved
  n=$(status_lines)
  id=$(window_named "$CAPTION") || { fail "no main window to close"; return 0; }
  # Ready beforehand, the request goes as soon as the thinking is shown.
  "$(dirname "$0")/wm_close.py" "$id" "$TORVO_STATUS_LOG" "$n" "$THINKING" &
  sender=$!
  click_square e2
  click_square e4
  wait "$sender" || { fail "could not send the close request while the computer thinks"; return 0; }
  local deadline=$((SECONDS + GUI_TIMEOUT))
  while torvo_running && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
  if torvo_running; then
    fail "still running after the close request while thinking"
    return 0
  fi
  torvo_status
  rc=$?
  log=$(tail -n +"$((n + 1))" "$TORVO_STATUS_LOG")
  close=$(grep -nFx "$CLOSE_REQUEST" <<<"$log" | head -n 1 | cut -d: -f1)
  moved=$(grep -nF -- "$COMPUTER_MOVES" <<<"$log" | head -n 1 | cut -d: -f1)
  [ -n "$close" ] || { fail "the program logged no close request"; return 0; }
  if [ -n "$moved" ] && [ "$moved" -lt "$close" ]; then
    echo "the close request came after the computer's move; again" >&2
    return 1
  fi
  [ $rc -eq 0 ] && pass "closed while thinking, exit status 0" || fail "exit status $rc after closing while thinking"
  [ -n "$moved" ] && fail "the computer moved after the window was closed"
  grep -Eq "AddressSanitizer|LeakSanitizer|runtime error:" "$WORK_DIR/torvo.out" \
    && fail "sanitizer report after closing while thinking"
  return 0
}
for ((try = 1; ; try++)); do
  closes_while_thinking && break
  if [ $try -ge $CLOSE_TRIES ]; then
    fail "in $CLOSE_TRIES tries the close request never came while the computer thought"
    break
  fi
  start_torvo "$EXE"
  if ! wait_window "$CAPTION" || ! wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG" || ! set_level_4; then
    fail "the program did not come up again for another close"
    break
  fi
done

gui_finish play
