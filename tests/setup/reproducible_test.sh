#!/usr/bin/env bash
# The Windows programs carry nothing of the build that made them: no link
# time in their PE header, no path of the source or the build folder.
# Usage: reproducible_test.sh SOURCE_DIR PROGRAM.exe...
set -uo pipefail
src=$(realpath "$1")
shift
failures=0
for program in "$@"; do
  name=$(basename "$program")
  # The COFF header's TimeDateStamp: 8 bytes into the header that the DOS
  # header's e_lfanew (at 0x3c) points to.
  stamp=$(python3 -c '
import struct, sys
data = open(sys.argv[1], "rb").read(4096)
pe = struct.unpack_from("<I", data, 0x3c)[0]
assert data[pe:pe + 4] == b"PE\0\0", "no PE header"
print(struct.unpack_from("<I", data, pe + 8)[0])' "$program") || { echo "FAIL: $name unreadable"; exit 1; }
  if [ "$stamp" = 0 ]; then echo "ok: $name has no link time"; else
    echo "FAIL: $name carries the link time $stamp ($(date -u -d "@$stamp"))"; failures=$((failures + 1)); fi
  if grep -qaF "$src" "$program"; then
    echo "FAIL: $name holds the path $src"; failures=$((failures + 1))
  else echo "ok: $name holds no path of the build"; fi
done
exit $((failures != 0))
