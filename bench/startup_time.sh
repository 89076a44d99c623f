#!/usr/bin/env bash
# Start-up time of the desktop program: from the start of the process to the
# first painted board, which writes "Weiss ist am Zug" to the status log.
# The moment of that write is the log's modification time. Run it under
# xvfb-run: xvfb-run -a bench/startup_time.sh build/torvo [RUNS]
set -uo pipefail

exe=$(realpath "$1")
runs=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/.config" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
export TORVO_STATUS_LOG="$work/status.log"

total=0
for ((i = 1; i <= runs; i++)); do
  : >"$TORVO_STATUS_LOG"
  start=$(date +%s%N)
  "$exe" >/dev/null 2>&1 &
  pid=$!
  for ((wait = 0; wait < 2000; wait++)); do
    grep -Fqx "Weiss ist am Zug" "$TORVO_STATUS_LOG" && break
    sleep 0.01
  done
  painted=$(stat -c %.9Y "$TORVO_STATUS_LOG" | tr -d .)
  kill "$pid"
  wait "$pid" 2>/dev/null
  ms=$(((painted - start) / 1000000))
  echo "run $i: first board after $ms ms"
  total=$((total + ms))
done
echo "mean: $((total / runs)) ms"
