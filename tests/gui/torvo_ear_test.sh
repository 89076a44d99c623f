#!/usr/bin/env bash
# A game by ear: the board as a screen reader gets it over AT-SPI, played
# with keys only against Level 1 (atspi_probe.py), and the messages heard
# there against the program's own speech log: each one once, in order.
# Runs under its own session bus (dbus-run-session), which starts the
# accessibility bus GTK's bridge talks to.
# Usage: torvo_ear_test.sh TORVO_EXE OUTPUT_DIR
set -uo pipefail

EXE=$1
# shellcheck source=guilib.sh
source "$(dirname "$0")/guilib.sh"
gui_begin "$2"

export TORVO_SPEECH_LOG="$WORK_DIR/speech.log"
: >"$TORVO_SPEECH_LOG"
start_window_manager || gui_finish ear
# The probe listens before the program starts: its first words are heard too.
/usr/bin/python3 "$(dirname "$0")/atspi_probe.py" "$WORK_DIR/listening" "$WORK_DIR/heard.txt" &
probe=$!
wait_for test -e "$WORK_DIR/listening" || fail "the probe did not start"
AT_BRIDGE=1 start_torvo "$EXE"
# The window manager gives the new window the keyboard; the probe types.
wait "$probe" || fail "the game by ear"

# What the bus carried is what the program meant to say, no more, no less.
logged=$(sed -n 's/^announce: //p' "$TORVO_SPEECH_LOG")
if [ -s "$WORK_DIR/heard.txt" ] && [ "$logged" = "$(cat "$WORK_DIR/heard.txt")" ]; then
  pass "the $(wc -l <"$WORK_DIR/heard.txt") messages heard over AT-SPI are the speech log's, once each"
else
  fail "heard over AT-SPI and the speech log differ"
  diff <(echo "$logged") "$WORK_DIR/heard.txt" >&2
fi
gui_finish ear
