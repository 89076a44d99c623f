#!/usr/bin/env bash
# Resident size of the desktop program while the computer plays both sides at
# the default level (Level 3): F8 asks for each move, and a finished game is
# followed by a new one. Prints the size at the start, after the first
# computer move, after 12, 24 and MOVES moves, after a new game, and the
# highest size it ever had (reached while the computer thinks).
# Run it under xvfb-run: xvfb-run -a bench/rss_desktop.sh build/torvo [MOVES]
set -uo pipefail

exe=$(realpath "$1")
moves=${2:-80}
# shellcheck source=../tests/gui/guilib.sh
source "$(dirname "$0")/../tests/gui/guilib.sh"
work=$(mktemp -d)
trap 'torvo_running && kill "$TORVO_PID"; rm -rf "$work"' EXIT
gui_begin "$work/run"
GUI_TIMEOUT=30
CAPTION="$NEW_GAME_CAPTION"
GAME_OVER="Spielende"

rss_mb() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$TORVO_PID/status"; }
report() { echo "$1: $(rss_mb) MB"; }

new_game() {
  local n
  n=$(status_lines)
  keys_to "$CAPTION" ctrl+n
  wait_status_since "Weiss ist am Zug" "$n" || { echo "no new game after Ctrl+N" >&2; exit 1; }
}

computer_answered() { tail -n +"$(($1 + 1))" "$TORVO_STATUS_LOG" | grep -Fq -- "$COMPUTER_MOVES"; }
move_or_game_over() { computer_answered "$1" || window_named "$GAME_OVER"; }

start_torvo "$exe"
if ! wait_window "$CAPTION" || ! wait_for grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG"; then
  echo "the program did not come up" >&2
  exit 1
fi
sleep 1
report "start"

start=$SECONDS
played=0 games=1
while [ $played -lt "$moves" ]; do
  n=$(status_lines)
  keys_to "$CAPTION" F8
  if ! wait_for move_or_game_over "$n"; then
    echo "no computer move and no end of game after move $played" >&2
    exit 1
  fi
  if window_named "$GAME_OVER" >/dev/null; then
    keys_to "$GAME_OVER" Return
    wait_window_gone "$GAME_OVER"
    new_game
    games=$((games + 1))
    continue
  fi
  played=$((played + 1))
  case $played in 1 | 12 | 24 | "$moves") report "after $played computer moves" ;; esac
done
echo "($games games, $((SECONDS - start)) s)"
new_game
sleep 1
report "after a new game"
echo "highest ever, during a search too (VmHWM): $(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$TORVO_PID/status") MB"
