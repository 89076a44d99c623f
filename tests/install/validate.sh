#!/usr/bin/env bash
# Runs a validator on a file; it passes only without errors and warnings.
# Usage: validate.sh desktop|metainfo FILE
set -uo pipefail
kind=$1
file=$2
case $kind in
  desktop) tool=desktop-file-validate; command=(desktop-file-validate "$file") ;;
  metainfo) tool=appstreamcli; command=(appstreamcli validate --no-net "$file") ;;
  *) echo "FAIL: unknown kind $kind"; exit 2 ;;
esac
if ! command -v "$tool" >/dev/null; then
  echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)"
  exit 1
fi
output=$("${command[@]}" 2>&1)
status=$?
echo "$output"
if [ $status -ne 0 ]; then
  echo "FAIL: $tool exited with $status"
  exit 1
fi
# desktop-file-validate says nothing on a clean entry; appstreamcli marks
# warnings and errors with W: and E: (infos, I:, may stay).
if [ "$kind" = desktop ] && [ -n "$output" ]; then
  echo "FAIL: $tool has remarks"
  exit 1
fi
if [ "$kind" = metainfo ] && grep -qE '^[WE]:' <<<"$output"; then
  echo "FAIL: $tool has warnings or errors"
  exit 1
fi
echo "ok: $file"
