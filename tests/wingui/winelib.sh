# The Windows program's side of the window tests: a German system in a fresh
# Wine prefix under a window manager. Sourced after guilib.sh, with EXE set.

# Makes the prefix in $WORK_DIR and starts the window manager; $1 names the
# test for gui_finish should the window manager not come up.
wine_begin() {
  # A German system, as the program's users have it: the system's dialogs speak German too.
  export WINEPREFIX="$WORK_DIR/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
  start_window_manager || gui_finish "$1"
  trap 'kill "$WM_PID" 2>/dev/null; wineserver -k 2>/dev/null' EXIT
  local started=$SECONDS
  wineboot -i >"$WORK_DIR/wineboot.out" 2>&1
  wineserver -w
  pass "fresh Wine prefix made in $((SECONDS - started)) s"
}

# The program under Wine with its status log, the board's rectangle and the indicator panes.
start_windows_torvo() {
  export TORVO_STATUS_LOG="$WORK_DIR/status.log" TORVO_CANVAS_FILE="$WORK_DIR/canvas.txt"
  export TORVO_PANES_FILE="$WORK_DIR/panes.txt"
  : >"$TORVO_STATUS_LOG"
  rm -f "$TORVO_CANVAS_FILE" "$TORVO_PANES_FILE"
  wine "$EXE" "$@" >"$WORK_DIR/torvo.out" 2>&1 &
  TORVO_PID=$!
}
canvas_known() { [ -s "$TORVO_CANVAS_FILE" ]; }
panes_known() { [ -s "$TORVO_PANES_FILE" ]; }

# Waits for the program to end; fails after GUI_TIMEOUT seconds.
wait_program_end() { wait_for program_ended; }
program_ended() { ! torvo_running; }
