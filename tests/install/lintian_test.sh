#!/usr/bin/env bash
# Debian's checker finds neither errors nor warnings in the package that
# package_test.sh built (its notes, I:, may stay).
# Usage: lintian_test.sh PACKAGE_DIR
set -uo pipefail
if ! command -v lintian >/dev/null; then
  echo "FAIL: lintian is missing (scripts/install-deps.sh installs it)"
  exit 1
fi
debs=("$1"/torvo_*_amd64.deb)
if [ ! -f "${debs[0]}" ]; then
  echo "FAIL: no package in $1"
  exit 1
fi
output=$(lintian -I "${debs[0]}" 2>&1)
echo "$output"
if grep -qE '^[EW]: ' <<<"$output"; then
  echo "FAIL: lintian has errors or warnings"
  exit 1
fi
echo "ok: $(basename "${debs[0]}")"
