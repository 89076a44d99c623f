#!/usr/bin/env bash
# Builds the Debian package from what BUILD_DIR installs, as `make package`
# does, into OUT_DIR, and checks its control fields, its file list and that
# packing it again gives the same bytes.
# Usage: package_test.sh BUILD_DIR OUT_DIR APPSTREAM_ID SOURCE_DIR
set -uo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
id=$3
src=$(realpath "$4")
for tool in cpack dpkg-deb dpkg-shlibdeps ninja; do
  if ! command -v $tool >/dev/null; then
    echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)"
    exit 1
  fi
done
rm -rf "$out" "$out-again"
mkdir -p "$out"

# The build as `make run` and `make package` leave it: only their targets
# built. Every file that installing takes from the build folder and a build
# step makes is taken away (all but the programs, which other tests run), and
# those targets are built again: what they do not make, installing misses.
install_scripts() {
  echo "$1"
  grep -o 'include("[^"]*cmake_install.cmake")' "$1" | sed 's/^include("//; s/")$//' |
    while read -r script; do install_scripts "$script"; done
}
programs=$(make -s --no-print-directory -C "$src" program-targets)
made=()
while read -r file; do
  [ -d "$file" ] && continue
  for program in $programs; do [ "$file" = "$build/$program" ] && continue 2; done
  ninja -C "$build" -t query "${file#"$build"/}" >/dev/null 2>&1 && made+=("$file")
done < <(install_scripts "$build/cmake_install.cmake" | xargs grep -ho "\"$build/[^\"]*\"" | tr -d '"' | sort -u)
echo "made by the build for installing: ${made[*]#"$build"/}"
rm -f "${made[@]}"
if ! cmake --build "$build" --target $programs >"$out/build.log" 2>&1; then
  cat "$out/build.log"
  echo "FAIL: building $programs"
  exit 1
fi
if ! DESTDIR="$out/stage" cmake --install "$build" --prefix /usr >"$out/install.log" 2>&1; then
  cat "$out/install.log"
  echo "FAIL: cmake --install after building only $programs"
  exit 1
fi
echo "ok: cmake --install after building only $programs"

# With the umask `make package` packs under.
if ! (umask 022 && cpack --config "$build/CPackConfig.cmake" -B "$out") >"$out.log" 2>&1; then
  cat "$out.log"
  echo "FAIL: cpack"
  exit 1
fi
debs=("$out"/torvo_*_amd64.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  ls "$out"
  echo "FAIL: no single torvo_<version>_amd64.deb"
  exit 1
fi
deb=${debs[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
list=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
echo "$list"

failures=0
check() {
  if "${@:2}" >/dev/null 2>&1; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
has() { grep -qx "$1" <<<"$list"; }
field() { dpkg-deb -f "$deb" "$1"; }

check "package name" test "$(field Package)" = torvo
check "version in the file name" test "$(basename "$deb")" = "torvo_$(field Version)_amd64.deb"
check "architecture" test "$(field Architecture)" = amd64
check "dependencies from the binaries" grep -q 'libwxgtk3\.2' <<<"$(field Depends)"
check "libc among them" grep -q 'libc6' <<<"$(field Depends)"
check "maintainer with a mail address" grep -qE '^[^<]+ <[^@>]+@[^>]+>$' <<<"$(field Maintainer)"
check "section" test -n "$(field Section)"
check "homepage" grep -q '^https://' <<<"$(field Homepage)"
check "description with a long part" test "$(field Description | wc -l)" -gt 2

check "program" has /usr/bin/torvo
check "command-line tool" has /usr/bin/torvo-cli
check "desktop entry named after the id" has "/usr/share/applications/$id.desktop"
check "metainfo" has "/usr/share/metainfo/$id.metainfo.xml"
for size in 16 32 48 64 128 256; do
  dir=/usr/share/icons/hicolor/${size}x${size}
  check "program icon ${size}x${size}" has $dir/apps/torvo.png
  check "document icon ${size}x${size}" has $dir/mimetypes/application-vnd.chess-pgn.png
  check "document icon ${size}x${size} for the alias" has $dir/mimetypes/application-x-chess-pgn.png
done
check "scalable program icon" has /usr/share/icons/hicolor/scalable/apps/torvo.svg
check "manual page of the program" has /usr/share/man/man6/torvo.6.gz
check "manual page of the command-line tool" has /usr/share/man/man1/torvo-cli.1.gz
check "copyright" has /usr/share/doc/torvo/copyright
check "no file under /usr/local" bash -c '! grep -q "^/usr/local" <<<"$0"' "$list"
check "everything under /usr" bash -c '! grep -vq "^/usr/" <<<"$0"' "$list"
# The shared MIME database has the type: no type of our own, no cache
# files, which the package manager's triggers make.
check "no MIME type of its own" bash -c '! grep -q "^/usr/share/mime/" <<<"$0"' "$list"
check "no icon cache" bash -c '! grep -q "icon-theme.cache$" <<<"$0"' "$list"

# The packaged entry opens .pgn files through the standard type.
unpacked="$out/unpacked"
dpkg-deb -x "$deb" "$unpacked"
entry="$unpacked/usr/share/applications/$id.desktop"
check "entry takes the standard type" grep -qx 'MimeType=application/vnd.chess-pgn;application/x-chess-pgn;' "$entry"
check "metainfo provides the standard type" grep -q '<mediatype>application/vnd.chess-pgn</mediatype>' \
  "$unpacked/usr/share/metainfo/$id.metainfo.xml"
check "metainfo launches the packaged entry" \
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$unpacked/usr/share/metainfo/$id.metainfo.xml"
check "metainfo's release is the package's version" \
  grep -q "<release version=\"$(field Version)\"" "$unpacked/usr/share/metainfo/$id.metainfo.xml"
for program in torvo torvo-cli; do
  check "$program stripped" bash -c '! readelf -S "$0" | grep -q "\.symtab"' "$unpacked/usr/bin/$program"
  check "$program holds no path of the build" bash -c '! grep -qaF "$1" "$0"' "$unpacked/usr/bin/$program" "$src"
done

# Packed again a moment later, without SOURCE_DATE_EPOCH and under another
# umask: the same members, every one dated by the last commit; the archive's
# own modes are the umask's.
sleep 1
(umask 002 && env -u SOURCE_DATE_EPOCH cpack --config "$build/CPackConfig.cmake" -B "$out-again") >"$out-again.log" 2>&1
again=$out-again/$(basename "$deb")
members=$(ar t "$deb")
check "packed again: the same members" test "$members" = "$(ar t "$again")"
for member in $members; do
  check "packed again: the same $member" cmp <(ar p "$deb" "$member") <(ar p "$again" "$member")
done
check "the archive's members readable by all, written by none but root" \
  test "$(ar tv "$deb" | awk '{print $1, $2}' | sort -u)" = "rw-r--r-- 0/0"
if epoch=$(git -C "$src" log -1 --format=%ct 2>/dev/null); then
  times=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time --utc | awk '{print $4 "T" $5}' | sort -u)
  check "every file dated by the last commit" test "$times" = "$(date -u -d "@$epoch" +%Y-%m-%dT%H:%M:%S)"
  check "the archive's members dated by the last commit" \
    test "$(TZ=UTC ar tv "$deb" | awk '{print $4, $5, $6, $7}' | sort -u)" = "$(TZ=UTC date -d "@$epoch" '+%b %-d %H:%M %Y')"
fi
exit $((failures != 0))
