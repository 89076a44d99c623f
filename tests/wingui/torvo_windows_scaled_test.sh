#!/usr/bin/env bash
# The Windows program under Wine on screens at 100 %, 150 % and 200 %
# (LogPixels 96, 144 and 192), in a fresh Wine prefix on a virtual X server:
# at each scale the main window, the notation, the settings dialog, the
# legal-moves list and the print preview are photographed, the board's
# squares are read from the pixels, the board shows its four colours only
# (stretched, never smoothed), the indicators stand whole in their panes,
# and the bars, panes and dialogs have grown with the scale against 100 %.
# Usage: torvo_windows_scaled_test.sh TORVO_EXE OUTPUT_DIR
set -uo pipefail

EXE=$(realpath "$1")
# shellcheck source=../gui/guilib.sh
source "$(dirname "$0")/../gui/guilib.sh"
# shellcheck source=winelib.sh
source "$(dirname "$0")/winelib.sh"
gui_begin "$2"
GUI_TIMEOUT=20

MAIN=$NEW_GAME_CAPTION
SETTINGS="Haupt Einstellungen"
LEGAL="Mögliche Züge"
SCALES=(96 144 192)
BASE_DPI=96

wine_begin windows-scaled

# Width and height of the window titled $1.
window_size() {
  local id
  id=$(window_named "$1") || return 1
  xdotool getwindowgeometry "$id" | sed -nE 's/^ *Geometry: ([0-9]+)x([0-9]+)$/\1 \2/p'
}
# Whether $2 is at least $3 percent of $1 (a size at 100 % and the same at a scale).
grown() { [ $(($2 * 100)) -ge $(($1 * $3)) ]; }
# The colours of the board's rectangle in the last board shot, as "#RRGGBB ...".
board_colours() {
  local x0 y0 w h
  read -r x0 y0 w h <"$TORVO_CANVAS_FILE"
  convert "$BOARD_SHOT" -crop "${w}x$h+$x0+$y0" +repage -depth 8 -format %c histogram:info:- \
    | grep -oE '#[0-9A-F]{6}' | LC_ALL=C sort -u | tr '\n' ' '
}

INITIAL=(a8=blue e8=blue h8=blue a7=blue h7=blue a6=empty e4=empty h3=empty a2=red e2=red a1=red e1=red h1=red)
FOUR_COLOURS="#000000 #0000FF #FF0000 #FFFFFF "
declare -A BASE

for dpi in "${SCALES[@]}"; do
  percent=$((dpi * 100 / BASE_DPI))
  # Less than the full ratio: fonts and frames round to their own sizes.
  want=$((percent * 85 / 100))
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w

  # --- The main window: the board, its colours, the bars ----------------------
  start_windows_torvo
  if ! { wait_for canvas_known && wait_window "$MAIN" && wait_for status_is "Weiss ist am Zug"; }; then
    fail "$percent %: no board painted"
    continue
  fi
  wait_board "main-$percent" "${INITIAL[@]}" && pass "$percent %: the initial position read from the pixels" \
    || fail "$percent %: the start position is not shown"
  colours=$(board_colours)
  [ "$colours" = "$FOUR_COLOURS" ] && pass "$percent %: the board shows its four colours and no other" \
    || fail "$percent %: the board's colours are $colours"
  read -r x0 y0 w h <"$TORVO_CANVAS_FILE"
  read -r win_w win_h <<<"$(window_size "$MAIN")"
  id=$(window_named "$MAIN")
  win_y=$(xwininfo -id "$id" | sed -nE 's/^ *Absolute upper-left Y: +([0-9]+)$/\1/p')
  # The menu and the toolbar above the board.
  bars=$((y0 - win_y))

  # --- The indicators: each pane has room for its text, SCRL shown whole ----------
  # (Scroll Lock alone: the X server keeps the lock keys between the runs.)
  n=$(status_lines)
  keys_to "$MAIN" Scroll_Lock
  wait_status_since "indicator SCRL on" "$n"
  if wait_for panes_known && wait_for indicators_shown "indicators-$percent" SCRL; then
    pass "$percent %: every indicator pane has room for its text, SCRL stands whole"
  else
    fail "$percent %: the indicators do not stand whole"
  fi
  read -r _ _ _ _ pane_h scrl_w <<<"$(grep '^SCRL ' "$TORVO_PANES_FILE")"
  keys_to "$MAIN" Scroll_Lock
  wait_status_since "indicator SCRL off" "$n"

  # --- The notation in the window: dark text on white ---------------------------
  keys_to "$MAIN" alt+a g
  wait_for notation_shows "notation-$percent" \
    && pass "$percent %: the notation, dark text on white ($NOTATION_WHITE white)" \
    || fail "$percent %: the notation area is $NOTATION_WHITE white"
  n=$(status_lines)
  keys_to "$MAIN" alt+a g
  wait_for side_painted_since "$n" || fail "$percent %: the board was not painted again after the notation"

  # --- The settings dialog and the legal moves ----------------------------------
  keys_to "$MAIN" alt+e h
  settings_w=0 settings_h=0
  if wait_window "$SETTINGS"; then
    sleep 0.3
    screenshot "settings-$percent"
    read -r settings_w settings_h <<<"$(window_size "$SETTINGS")"
    keys_to "$SETTINGS" Escape
    wait_window_gone "$SETTINGS" || fail "$percent %: '$SETTINGS' stays after Escape"
  else
    fail "$percent %: '$SETTINGS' did not open"
  fi
  keys_to "$MAIN" F3
  legal_w=0 legal_h=0
  if wait_window "$LEGAL"; then
    sleep 0.3
    screenshot "legal-moves-$percent"
    read -r legal_w legal_h <<<"$(window_size "$LEGAL")"
    keys_to "$LEGAL" Escape
    wait_window_gone "$LEGAL" || fail "$percent %: '$LEGAL' stays after Escape"
  else
    fail "$percent %: '$LEGAL' did not open"
  fi
  keys_to "$MAIN" alt+d v
  if wait_window "NeuesSpiel - Druck Vorschau"; then
    sleep 0.5
    screenshot "print-preview-$percent"
    keys_to "NeuesSpiel - Druck Vorschau" Escape
    wait_window_gone "NeuesSpiel - Druck Vorschau" || fail "$percent %: the print preview stays after Escape"
  else
    fail "$percent %: the print preview did not open"
  fi

  echo "$percent %: window ${win_w}x$win_h, board ${w}x$h, menu and toolbar $bars px, status pane $pane_h px," \
    "SCRL $scrl_w px, '$SETTINGS' ${settings_w}x$settings_h, '$LEGAL' ${legal_w}x$legal_h"
  if [ "$dpi" = "$BASE_DPI" ]; then
    BASE=([bars]=$bars [pane]=$pane_h [scrl]=$scrl_w [settings_w]=$settings_w [settings_h]=$settings_h \
      [legal_w]=$legal_w [legal_h]=$legal_h)
  else
    sizes_grown=0
    for size in "bars $bars" "pane $pane_h" "scrl $scrl_w" "settings_w $settings_w" "settings_h $settings_h" \
      "legal_w $legal_w" "legal_h $legal_h"; do
      read -r name value <<<"$size"
      if ! grown "${BASE[$name]}" "$value" "$want"; then
        echo "$name is $value at $percent %, ${BASE[$name]} at 100 %" >&2
        sizes_grown=1
      fi
    done
    if [ $sizes_grown = 0 ]; then
      pass "$percent %: the bars, panes, texts and dialogs are at least $want % of their size at 100 %"
    else
      fail "$percent %: not everything has grown with the scale"
    fi
  fi

  wm_close "$MAIN"
  wait_program_end || fail "$percent %: the program did not end after the close box"
  wineserver -w
done

gui_finish windows-scaled
