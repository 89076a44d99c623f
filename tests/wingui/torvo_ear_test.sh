#!/usr/bin/env bash
# The Windows program as a player without sight meets it: a short game
# against Level 1 by keys alone, checked only by what a screen reader reads
# through MSAA from another process (torvo_accessprobe): the cursor's
# cells, the computer's replies spoken, the board's cells after the moves
# and a refused move's reason; what F7, Escape and F2 closed by Enter say;
# the notation as a read-only text with its lines as its value, read a line
# at each Down. Every step waits for the event it causes.
# Usage: torvo_ear_test.sh TORVO_EXE PROBE_EXE OUTPUT_DIR
set -uo pipefail

EXE=$(realpath "$1")
PROBE=$(realpath "$2")
# shellcheck source=../gui/guilib.sh
source "$(dirname "$0")/../gui/guilib.sh"
# shellcheck source=winelib.sh
source "$(dirname "$0")/winelib.sh"
gui_begin "$3"
GUI_TIMEOUT=20

MAIN=$NEW_GAME_CAPTION
SETTINGS="Haupt Einstellungen"
LEVEL1="Level 1 (Schäfer)"
REFUSED="Ungültiger Zug !"
EAR="$WORK_DIR/ear.log"

wine_begin ear

# The probe first: its hook is in place before the program's first event.
: >"$EAR"
wine "$PROBE" watch 240 >>"$EAR" 2>"$WORK_DIR/probe.err" &
heard() { grep -qFx -- "$1" "$EAR"; }
started=$SECONDS
GUI_TIMEOUT=60 wait_for heard "watching" || { fail "the probe hooks no events: $(cat "$WORK_DIR/probe.err")"; gui_finish ear; }
pass "the probe listens after $((SECONDS - started)) s"
start_windows_torvo
wait_window "$MAIN" || { fail "no window captioned '$MAIN'"; gui_finish ear; }

# What was heard since the log had $1 lines: a line exactly $2, or one
# beginning with $2 (heard_start).
heard_since() { tail -n +"$(($1 + 1))" "$EAR" | grep -qFx -- "$2"; }
heard_start() { tail -n +"$(($1 + 1))" "$EAR" | grep -m1 -F -- "$2" | grep -q "^$2"; }
first_since() { tail -n +"$(($1 + 1))" "$EAR" | grep -m1 "^$2"; }
lines() { wc -l <"$EAR"; }
# Presses a key in window $1 and waits until line $3 is heard.
press() {
  local n
  n=$(lines)
  keys_to "$1" "$2" && wait_for heard_since "$n" "$3"
}
# The cursor moved by keys $2... and heard on cell $1 ("e4, leer").
cursor_to() {
  local cell=$1 key
  shift
  for key in "$@"; do
    local n
    n=$(lines)
    keys_to "$MAIN" "$key" && wait_for heard_start "$n" "focus cell: " || return 1
  done
  heard_start "$n" "focus cell: $cell"
}

# --- The board has the keyboard from the start --------------------------------
wait_for heard "live text: Schachbrett, Weiß am Zug. Taste H: Hilfe" \
  && pass "at the start the board is named and the help key told" || fail "no hint heard at the start"
press "$MAIN" Up "focus cell: e3, leer" && pass "the board has the focus at the start: Up reads e3" \
  || fail "Up at the start read no cell: $(tail -n 3 "$EAR")"
press "$MAIN" Down "focus cell: e2, weißer Bauer" && pass "Down reads 'e2, weißer Bauer'" \
  || fail "Down read no 'e2, weißer Bauer'"

# --- Level 1 by keys in the settings dialog -----------------------------------
n=$(lines)
keys_to "$MAIN" alt+e h
if wait_for heard_since "$n" "dialog: $SETTINGS"; then
  # Tab reaches the level checked, the arrows check the others.
  for key in Tab Tab Tab Tab Up Up Up Up; do
    heard_start "$n" "focus client: $LEVEL1" && break
    [ "$key" = Tab ] && heard_start "$n" "focus client: Level " && continue
    m=$(lines)
    keys_to "$SETTINGS" "$key"
    wait_for heard_start "$m" "focus "
  done
  heard_start "$n" "focus client: $LEVEL1" && pass "Tab and Up reach '$LEVEL1', read by its name" \
    || fail "the keys did not reach '$LEVEL1': $(tail -n +"$((n + 1))" "$EAR")"
  n=$(lines)
  keys_to "$SETTINGS" Return
  wait_for heard_start "$n" "focus cell: e2, weißer Bauer" && pass "Enter closes '$SETTINGS', the board has the focus again" \
    || fail "after Enter in '$SETTINGS' the board had no focus: $(tail -n +"$((n + 1))" "$EAR")"
else
  fail "Alt+E H showed no '$SETTINGS' to the probe"
fi

# --- A short game: each square found by the cursor, each reply heard ----------
declare -A CELLS
adjective() { [ "$2" = Dame ] && echo "$1e Dame" || echo "$1er $2"; }
# Moves the cursor by keys $3 to $1, picks it, moves by keys $4 to $2 and
# chooses it; then waits for the computer's reply, and notes the cells.
play() {
  local from=$1 to=$2 n reply
  # shellcheck disable=SC2086
  [ -z "$3" ] || cursor_to "$from, " $3 || { fail "the cursor did not reach $from"; return 1; }
  n=$(lines)
  keys_to "$MAIN" Return
  wait_for heard_since "$n" "live text: $from, weißer Bauer, ausgewählt" \
    || { fail "Enter on $from was not heard as a pick"; return 1; }
  # shellcheck disable=SC2086
  cursor_to "$to, " $4 || { fail "the cursor did not reach $to"; return 1; }
  n=$(lines)
  keys_to "$MAIN" Return
  if ! wait_for heard_start "$n" "live text: Schwarz: "; then
    fail "no reply heard after $from-$to: $(tail -n +"$((n + 1))" "$EAR")"
    return 1
  fi
  # The player's own move is heard too, though the reply follows at once
  # (in one batch with it, which Wine may hand on in reverse order).
  wait_for heard_since "$n" "live text: Weiß: Bauer $from nach $to" || fail "the move $from-$to was not heard"
  CELLS[$from]="leer"
  CELLS[$to]="weißer Bauer"
  reply=$(first_since "$n" "live text: Schwarz: ")
  reply=${reply#live text: Schwarz: }
  if [[ $reply =~ ^([^ ]+)\ ([a-h][1-8])\ (nach|schlägt\ [^ ]+)\ ([a-h][1-8]) ]]; then
    CELLS[${BASH_REMATCH[2]}]="leer"
    CELLS[${BASH_REMATCH[4]}]=$(adjective schwarz "${BASH_REMATCH[1]}")
    pass "$from-$to by keys, and the computer's reply heard: '$reply'"
  else
    fail "the reply '$reply' is no move"
  fi
}
play e2 e4 "" "Up Up"
play d2 d4 "Left Down Down" "Up Up"

# --- The cells as a screen reader reads them after the moves -------------------
wine "$PROBE" board >"$WORK_DIR/board.txt" 2>&1
grep -q "^board table: Schachbrett, Weiß am Zug (" "$WORK_DIR/board.txt" \
  && [ "$(grep -c "^cell [0-9]* cell[a-z ]*: [a-h][1-8], " "$WORK_DIR/board.txt")" = 64 ] \
  && pass "the board: a table named 'Schachbrett, Weiß am Zug' with 64 named cells" \
  || fail "the board reads: $(head -n 3 "$WORK_DIR/board.txt")"
wrong=""
for square in "${!CELLS[@]}"; do
  grep -q "^cell [0-9]* cell[a-z ]*: $square, ${CELLS[$square]}$" "$WORK_DIR/board.txt" \
    || wrong+=" $square (not '${CELLS[$square]}')"
done
focused=$(grep -c "^cell [0-9]* cell focused: d4, " "$WORK_DIR/board.txt")
[ -z "$wrong" ] && pass "the moved squares read as after the moves: $(for s in "${!CELLS[@]}"; do printf '%s=%s; ' "$s" "${CELLS[$s]}"; done)" \
  || fail "cells read wrong:$wrong"
[ "$focused" = 1 ] && pass "d4, the cursor's cell, is the one focused" || fail "the focused cell is not d4 alone"

# --- A refused move: its box and reason read through MSAA ----------------------
cursor_to "b1, weißer Springer" Down Down Down Left Left || fail "the cursor did not reach b1"
press "$MAIN" Return "live text: b1, weißer Springer, ausgewählt" || fail "Enter on b1 was not heard as a pick"
cursor_to "b3, " Up Up || fail "the cursor did not reach b3"
n=$(lines)
keys_to "$MAIN" Return
if wait_for heard_since "$n" "dialog: $REFUSED"; then
  # The probe writes the box a control a line: the reason comes after the caption.
  reason_since() { tail -n +"$(($1 + 1))" "$EAR" | grep -m1 -F "Ungültiger Zug: b1b3"; }
  if wait_for reason_since "$n"; then
    pass "b1-b3 refused, and the reason is read:$(reason_since "$n")"
  else
    fail "the box's reason was not read: $(tail -n +"$((n + 1))" "$EAR")"
  fi
  # "Nein": back to the board without the list.
  n=$(lines)
  keys_to "$REFUSED" n
  wait_for heard_start "$n" "focus cell: " && pass "'Nein' gives the board the focus again" \
    || fail "after 'Nein' no cell got the focus"
else
  fail "no box '$REFUSED' heard after b1-b3: $(tail -n +"$((n + 1))" "$EAR")"
fi

# --- F7 says which side is at the bottom, both ways ----------------------------
press "$MAIN" F7 "live text: Brett gedreht, Schwarz unten" && pass "F7 is heard: 'Brett gedreht, Schwarz unten'" \
  || fail "F7 said no 'Brett gedreht, Schwarz unten'"
press "$MAIN" F7 "live text: Brett gedreht, Weiß unten" && pass "F7 again is heard: 'Brett gedreht, Weiß unten'" \
  || fail "F7 again said no 'Brett gedreht, Weiß unten'"

# --- Escape after a pick, and F2 closed by Enter ------------------------------
press "$MAIN" Return "live text: b3, leer, ausgewählt" || fail "Enter on b3 was not heard as a pick"
press "$MAIN" Escape "live text: Auswahl aufgehoben" && pass "Escape after a pick is heard: 'Auswahl aufgehoben'" \
  || fail "Escape after a pick said no 'Auswahl aufgehoben'"
n=$(lines)
keys_to "$MAIN" F2
if wait_for heard_since "$n" "dialog: Zug"; then
  press "Zug" Return "live text: Kein Zug gespielt" && pass "F2 closed by Enter is heard: 'Kein Zug gespielt'" \
    || fail "F2 closed by Enter said no 'Kein Zug gespielt'"
else
  fail "F2 showed no dialog 'Zug': $(tail -n +"$((n + 1))" "$EAR")"
fi

# --- The notation: a read-only text with its lines as its value ----------------
n=$(lines)
keys_to "$MAIN" alt+a g
if wait_for heard_start "$n" "live text: Notation angezeigt. "; then
  pass "the notation is heard as it appears: $(first_since "$n" "live text: Notation")"
  wait_for heard_since "$n" "focus edit: Partienotation" && pass "the notation's text has the focus" \
    || fail "the notation's text did not get the focus"
  wine "$PROBE" board >"$WORK_DIR/notation.txt" 2>&1
  grep -q "^board table: Partienotation (" "$WORK_DIR/notation.txt" \
    && grep -q "^notation [0-9]* edit focused readonly: Partienotation = \[Event .* | 1\.e4 e5 2\.d4 " "$WORK_DIR/notation.txt" \
    && pass "the notation's text object and its value: $(grep "^notation" "$WORK_DIR/notation.txt")" \
    || fail "the notation reads: $(grep -v "^cell" "$WORK_DIR/notation.txt")"
  press "$MAIN" Down 'live text: [Site "?"]' && pass "Down reads the next line: '[Site \"?\"]'" \
    || fail "Down read no line: $(tail -n 3 "$EAR")"
  n=$(lines)
  keys_to "$MAIN" alt+a g
  wait_for heard_since "$n" "live text: Brett angezeigt. Schachbrett, Weiß am Zug" \
    && pass "the board is heard again: 'Brett angezeigt. Schachbrett, Weiß am Zug'" \
    || fail "the board's return was not heard: $(tail -n +"$((n + 1))" "$EAR")"
else
  fail "the notation was not heard: $(tail -n +"$((n + 1))" "$EAR")"
fi

[ $FAILURES -eq 0 ] || { echo "--- heard" >&2; cat "$EAR" >&2; }
gui_finish ear
