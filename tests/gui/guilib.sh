# Helpers for driving the real program under an X server (xvfb-run) with
# xdotool and reading back what it shows. Sourced by the GUI tests.
#
# The program writes every status-bar message to $TORVO_STATUS_LOG, the
# board's screen rectangle to $TORVO_CANVAS_FILE and its indicator panes to
# $TORVO_PANES_FILE; that is how the tests read the status bar and find the
# squares.

GUI_TIMEOUT=${GUI_TIMEOUT:-15}
NEW_GAME_CAPTION="NeuesSpiel - Torvo Halvorn Schach Programm"
COMPUTER_MOVES="Computer zieht "
# The status log's line for a request to close the window, as it comes.
CLOSE_REQUEST="close requested"
TORVO_PID=""
FAILURES=0

fail() {
  echo "FAIL: $*" >&2
  FAILURES=$((FAILURES + 1))
}

pass() { echo "ok ($SECONDS s): $*"; }

# Polls a command until it succeeds or GUI_TIMEOUT seconds are over.
wait_for() {
  local deadline=$((SECONDS + GUI_TIMEOUT))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}

# Starts the program with its own settings folder and logs.
start_torvo() {
  local exe=$1
  shift
  export HOME="$WORK_DIR/home" XDG_CONFIG_HOME="$WORK_DIR/home/.config"
  # NO_CONFIG_DIR=1: a fresh account, without a settings folder.
  if [ "${NO_CONFIG_DIR:-0}" = 1 ]; then mkdir -p "$HOME"; else mkdir -p "$XDG_CONFIG_HOME"; fi
  export TORVO_STATUS_LOG="$WORK_DIR/status.log" TORVO_CANVAS_FILE="$WORK_DIR/canvas.txt"
  export TORVO_PANES_FILE="$WORK_DIR/panes.txt"
  # No session bus here: keep the toolkit's settings in memory. The
  # accessibility bridge only where a test runs its own bus (AT_BRIDGE=1).
  export GSETTINGS_BACKEND=memory
  if [ "${AT_BRIDGE:-0}" = 1 ]; then unset NO_AT_BRIDGE; else export NO_AT_BRIDGE=1; fi
  : >"$TORVO_STATUS_LOG"
  rm -f "$TORVO_CANVAS_FILE" "$TORVO_PANES_FILE"
  "$exe" "$@" >"$WORK_DIR/torvo.out" 2>&1 &
  TORVO_PID=$!
}

# A window manager, as on a desktop: title bars, placement, focus moving to
# each new box. It ends with the test.
start_window_manager() {
  openbox --sm-disable >"$WORK_DIR/wm.out" 2>&1 &
  WM_PID=$!
  trap 'kill "$WM_PID" 2>/dev/null' EXIT
  wait_for wm_running || { fail "openbox did not start"; return 1; }
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }

torvo_running() { kill -0 "$TORVO_PID" 2>/dev/null; }

# Id of the visible window whose title is exactly $1.
window_named() {
  local id pattern
  # xdotool takes a regular expression: the title's own brackets must not count.
  pattern=$(sed 's/[][\\.*^$()+?{}|]/\\&/g' <<<"$1")
  for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id")" = "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}

wait_window() { wait_for window_named "$1"; }
window_absent() { ! window_named "$1"; }
wait_window_gone() { wait_for window_absent "$1"; }

# Gives the window the keyboard (there is no window manager to do it) and types.
keys_to() {
  local title=$1
  shift
  local id
  id=$(window_named "$title") || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool key --clearmodifiers --delay 60 "$@"
}

type_to() {
  local id
  id=$(window_named "$1") || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool type --delay 60 "$2"
}

screenshot() { import -window root "$SHOT_DIR/$1.png"; }

# The clipboard's text (its trailing newlines dropped), as xclip reads it.
clipboard_is() { [ "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" = "$(printf '%s' "$1")" ]; }
# Whether it holds a text that is not $1, such as a mark put there before a copy.
clipboard_replaced() {
  local text
  text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null) && [ "$text" != "$1" ]
}
# Puts $1 on the clipboard and waits until it reads back: xclip takes the
# selection only once it has gone to the background.
set_clipboard() {
  printf '%s' "$1" | xclip -i -selection clipboard
  wait_for clipboard_is "$1"
}

# Asks the window titled $1 to close as a window manager's close button would.
wm_close() {
  local id
  id=$(window_named "$1") || return 1
  "$(dirname "${BASH_SOURCE[0]}")/wm_close.py" "$id"
}

# The last status-bar message, and whether a message has been shown since
# the log had $2 lines.
last_status() { tail -n 1 "$TORVO_STATUS_LOG"; }
status_is() { [ "$(last_status)" = "$1" ]; }
status_lines() { wc -l <"$TORVO_STATUS_LOG"; }
# (grep reads to the end: with -q it could stop early and fail the pipe.)
status_seen_since() { tail -n +"$(($2 + 1))" "$TORVO_STATUS_LOG" | grep -Fx -- "$1" >/dev/null; }
wait_status_since() { wait_for status_seen_since "$1" "$2"; }

# Whether the board has been painted since the log had $1 lines: each paint
# writes the side to move.
side_painted_since() { status_seen_since "Weiss ist am Zug" "$1" || status_seen_since "Schwarz ist am Zug" "$1"; }
# Turns the board with F7 and back, each turn waited for by its paint. The
# program handles the keys once any handler before them has returned, so
# whatever that handler logs stands before the paints.
turn_board_twice() {
  local turn m
  for turn in 1 2; do
    m=$(status_lines)
    keys_to "$1" F7 || return 1
    wait_for side_painted_since "$m" || { echo "no repaint for F7 $turn" >&2; return 1; }
  done
}

# Screen point at the centre of a board square such as e2, in either orientation.
square_point() {
  local square=$1 flipped=${2:-0}
  local x0 y0 w h
  read -r x0 y0 w h <"$TORVO_CANVAS_FILE" || return 1
  local file=$(($(printf '%d' "'${square:0:1}") - 97))
  local rank=$((${square:1:1} - 1))
  local col row
  if [ "$flipped" = 1 ]; then
    col=$((7 - file))
    row=$rank
  else
    col=$file
    row=$((7 - rank))
  fi
  echo "$((x0 + (2 * col + 1) * w / 16)) $((y0 + (2 * row + 1) * h / 16))"
}

click_square() {
  local point
  point=$(square_point "$1" "${2:-0}") || return 1
  # --sync would wait for ever when the pointer is already there.
  local x=${point% *} y=${point#* }
  if [ "$(xdotool getmouselocation | cut -d' ' -f1-2)" != "x:$x y:$y" ]; then
    xdotool mousemove --sync "$x" "$y"
  fi
  xdotool click 1
  sleep 0.3
}

# The board's screen rectangle "x y width height", once it has been painted.
canvas_rect() { cat "$TORVO_CANVAS_FILE"; }
canvas_rect_is() { [ "$(canvas_rect)" = "$1" ]; }
canvas_rect_is_not() { [ "$(canvas_rect)" != "$1" ]; }
wait_canvas_change() { wait_for canvas_rect_is_not "$1"; }

# Takes a screenshot kept as $SHOT_DIR/$1.png; square_is reads the board from it.
BOARD_SHOT=""
board_shot() {
  BOARD_SHOT="$SHOT_DIR/$1.png"
  import -window root "$BOARD_SHOT"
}

# What the last board shot shows on a square, from the colours inside it
# (a few pixels in from the edges, where the stretched squares meet):
# red or blue (a piece of White or Black), white or black (an empty square),
# or mixed (something else, such as a picked piece's silhouette).
square_seen() {
  local square=$1 flipped=${2:-0}
  local x0 y0 w h
  read -r x0 y0 w h <"$TORVO_CANVAS_FILE" || return 1
  local file=$(($(printf '%d' "'${square:0:1}") - 97)) rank=$((${square:1:1} - 1)) col row
  if [ "$flipped" = 1 ]; then col=$((7 - file)) row=$rank; else col=$file row=$((7 - rank)); fi
  local left=$((x0 + col * w / 8 + 3)) top=$((y0 + row * h / 8 + 3))
  local right=$((x0 + (col + 1) * w / 8 - 4)) bottom=$((y0 + (row + 1) * h / 8 - 4))
  local colours
  colours=$(convert "$BOARD_SHOT" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -depth 8 \
    -format %c histogram:info:- | grep -oE '#[0-9A-F]{6}' | sort -u | tr '\n' ' ')
  case "$colours" in
    *"#FF0000"*) echo red ;;
    *"#0000FF"*) echo blue ;;
    "#FFFFFF ") echo white ;;
    "#000000 ") echo black ;;
    *) echo mixed ;;
  esac
}

# Light squares are those whose screen row plus column is even: a8 and h1.
empty_colour() {
  local file=$(($(printf '%d' "'${1:0:1}") - 97)) rank=$((${1:1:1} - 1))
  [ $(((file + 7 - rank) % 2)) -eq 0 ] && echo white || echo black
}

# Checks squares of the last board shot: "e4=red d5=blue e2=empty ..."; empty
# means the square's own colour. Flipped board when FLIPPED=1.
squares_are() {
  local check square want seen ok=0
  for check in "$@"; do
    square=${check%%=*}
    want=${check#*=}
    [ "$want" = empty ] && want=$(empty_colour "$square")
    seen=$(square_seen "$square" "${FLIPPED:-0}")
    if [ "$seen" != "$want" ]; then
      echo "$square shows $seen, not $want" >&2
      ok=1
    fi
  done
  return $ok
}

# Takes board shots kept as $SHOT_DIR/$1.png until the squares show as given
# (squares_are, FLIPPED too): a paint logs its status line while it draws,
# and the pixels may reach the screen a moment after it.
board_shows() { board_shot "$1"; shift; squares_are "$@" 2>/dev/null; }
wait_board() {
  local shot=$1
  shift
  wait_for board_shows "$shot" "$@" && return 0
  board_shot "$shot"
  squares_are "$@"
}

# Share of white in the top third of the board's rectangle in the last board
# shot, and whether a shot kept as $1 shows the notation there: dark text on
# white. NOTATION_WHITE is the share last seen.
NOTATION_WHITE=""
notation_shows() {
  local x0 y0 w h
  board_shot "$1"
  read -r x0 y0 w h <"$TORVO_CANVAS_FILE" || return 1
  NOTATION_WHITE=$(convert "$BOARD_SHOT" -crop "${w}x$((h / 3))+$x0+$y0" +repage -threshold 50% -format "%[fx:mean]" info:)
  awk -v m="$NOTATION_WHITE" 'BEGIN { exit !(m > 0.9 && m < 0.995) }'
}

# Colour of one screen pixel as "r,g,b".
pixel_at() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Whether a vertical scroll bar stands beside the white area (a list's, the
# notation's) in the rectangle LEFT TOP WIDTH HEIGHT of the screenshot SHOT:
# right of the white, along its whole height, a band of columns with no
# white in them and the darker slider, shorter than the band, on it. Says
# where, or what is missing.
scroll_bar_beside_white() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | python3 -c '
import sys
w, h = int(sys.argv[1]), int(sys.argv[2])
data = sys.stdin.buffer.read()
def px(x, y):
    i = 3 * (y * w + x)
    return data[i:i + 3]
white = b"\xff\xff\xff"
# The longest white run across the middle row is the list or the page.
mid, best, start = h // 2, (0, 0, -1), None
for x in range(w + 1):
    if x < w and px(x, mid) == white:
        start = x if start is None else start
    elif start is not None:
        best = max(best, (x - start, start, x - 1))
        start = None
length, x0, x1 = best
if length < 10:
    sys.exit("no white area across the middle")
top, bottom = mid, mid
while top > 0 and px(x1, top - 1) == white:
    top -= 1
while bottom < h - 1 and px(x1, bottom + 1) == white:
    bottom += 1
band = []
for x in range(x1 + 1, min(w, x1 + 31)):
    column = [px(x, y) for y in range(top, bottom + 1)]
    if white in column:
        break
    band.append(column)
if len(band) < 6:
    sys.exit("no bar: %d columns without white right of the white area at x %d" % (len(band), x1))
# The slider is shorter than its trough; a dark line along the whole height is a border.
darks = [sum(1 for p in column if max(p) < 160) for column in band]
slider = max(d for d in darks + [0] if d < bottom - top + 1)
if slider < 10:
    sys.exit("no slider in the %d columns right of the white area at x %d" % (len(band), x1))
print("%d px wide right of x %d, %d px tall, slider %d px" % (len(band), x1, bottom - top + 1, slider))
' "$4" "$5"
}

# Whether the indicator panes give each text its whole width: the rooms the
# program reports (TORVO_PANES_FILE) against the texts' widths, and, for the
# indicators named (those switched on), the ink in the screenshot SHOT as
# wide as the text, with none at the room's right edge (no "S...", no cut).
# The status bar keeps 2 pixels on either side of a text.
PANE_TEXT_MARGIN=2
indicators_whole() {
  local shot=$1 name left top width height text on ink first last ok=0
  shift
  for on in "$@"; do
    grep -q "^$on " "$TORVO_PANES_FILE" 2>/dev/null || { echo "the program gave no pane for $on" >&2; return 1; }
  done
  while read -r name left top width height text; do
    if [ $((text + 2 * PANE_TEXT_MARGIN)) -gt "$width" ]; then
      echo "$name is $text px wide, its pane has room for $((width - 2 * PANE_TEXT_MARGIN))" >&2
      ok=1
    fi
    for on in "$@"; do
      [ "$on" = "$name" ] || continue
      ink=$(convert "$shot" -crop "${width}x${height}+${left}+${top}" +repage -depth 8 rgb:- | python3 -c '
import sys
w, h = int(sys.argv[1]), int(sys.argv[2])
data = sys.stdin.buffer.read()
dark = [x for x in range(w) if any(sum(data[3 * (y * w + x):3 * (y * w + x) + 3]) < 3 * 128 for y in range(h))]
print("%d %d" % (dark[0], dark[-1]) if dark else "none")
' "$width" "$height")
      read -r first last <<<"$ink"
      if [ "$first" = none ]; then
        echo "$name: no text in its pane" >&2
        ok=1
      elif [ $((last - first + 1)) -lt $((text - 3)) ] || [ "$last" -ge $((width - 1)) ]; then
        echo "$name: ink from $first to $last in a room of $width, the text is $text wide" >&2
        ok=1
      fi
    done
  done <"$TORVO_PANES_FILE"
  return $ok
}

# A screenshot kept as $SHOT_DIR/$1.png in which the indicators named after
# it stand whole (indicators_whole).
indicators_shown() {
  local shot=$1
  shift
  screenshot "$shot"
  indicators_whole "$SHOT_DIR/$shot.png" "$@"
}

# Picks a menu item by its letters: window title, menu letter, the prompt of
# the menu's first item (seen once the menu is open), item letter.
menu_command() {
  local n
  n=$(status_lines)
  keys_to "$1" "alt+$2" || return 1
  wait_status_since "$3" "$n" || return 1
  xdotool key "$4"
}

# Closes the program through its own menu and waits for it to end.
close_torvo() {
  menu_command "$1" d "Neues Spiel starten" l || { echo "the Datei menu did not open" >&2; return 1; }
  local deadline=$((SECONDS + GUI_TIMEOUT))
  while torvo_running; do
    [ $SECONDS -ge $deadline ] && { echo "still running after Schliessen" >&2; screenshot close-failed; return 1; }
    sleep 0.1
  done
  wait "$TORVO_PID"
}

# Exit status of the program once it has ended.
torvo_status() { wait "$TORVO_PID"; }

# A fresh output folder for a test: $WORK_DIR with its screenshots in $SHOT_DIR.
gui_begin() {
  WORK_DIR=$(realpath -m "$1")
  SHOT_DIR="$WORK_DIR/screenshots"
  rm -rf "$WORK_DIR"
  mkdir -p "$SHOT_DIR"
}

# Ends a test: the program stopped, its output and status log shown on failure.
gui_finish() {
  torvo_running && kill "$TORVO_PID"
  if [ $FAILURES -ne 0 ]; then
    echo "--- program output" >&2
    cat "$WORK_DIR/torvo.out" >&2
    echo "--- status log" >&2
    cat "$TORVO_STATUS_LOG" >&2
    exit 1
  fi
  echo "all $1 checks passed; screenshots in $SHOT_DIR"
  exit 0
}
