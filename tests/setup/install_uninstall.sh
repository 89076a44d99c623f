#!/usr/bin/env bash
# torvo-setup.exe /S in a Wine prefix of its own, then the uninstaller /S:
# files, shortcut, file type and the entry in the installed programs come and
# go; the user's games stay; a .pgn opened through the shell starts the
# installed program with that game. Needs no display: Wine's null driver.
#
#     install_uninstall.sh WINE SETUP.exe BUILD_FOLDER WORK_FOLDER
set -euo pipefail

wine=$1
setup=$2
build=$3
work=$4

unset DISPLAY WAYLAND_DISPLAY
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No .NET and no browser engine: nothing here needs them, and their set-up is slow.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine links the prefix's Documents to the home folder's: keep it away from the real one.
export HOME=$work/home
wineserver=$(dirname "$(command -v "$wine")")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A key's value as reg prints it, or nothing when the key or value is missing.
value() {
  local key=$1 name=$2
  if [ "$name" = "" ]; then
    "$wine" reg query "$key" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'
  else
    "$wine" reg query "$key" /v "$name" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$name *REG_[A-Z_]* *//p"
  fi
}
expect_value() {
  local key=$1 name=$2 expected=$3
  local actual
  actual=$(value "$key" "$name")
  [ "$actual" = "$expected" ] || fail "$key [${name:-default}]: '$actual', expected '$expected'"
}
expect_no_key() {
  if "$wine" reg query "$1" >/dev/null 2>&1; then fail "$1 is still there"; fi
}

rm -rf "$work"
mkdir -p "$HOME"
"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w
# The desktop started by wineboot keeps its driver: restart it on the null one.
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
"$wineserver" -k
"$wineserver" -w

# The prefix's folders as Windows and as Linux paths.
read -r local_win profile_win < <("$wine" cmd /c 'echo %LOCALAPPDATA% %USERPROFILE%' 2>/dev/null | tr -d '\r')
winpath() { printf '%s/drive_c/%s' "$WINEPREFIX" "$(echo "${1#C:\\}" | tr '\\' '/')"; }
local_dir=$(winpath "$local_win")
instdir_win="$local_win\\Programs\\Torvo"
instdir=$local_dir/Programs/Torvo
documents=$(winpath "$profile_win")/Documents
shortcut=$(winpath "$profile_win")/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Torvo\ Schach.lnk
exe_win="$instdir_win\\torvo.exe"

# Games of the user's own, beside and inside the install folder and in Documents.
mkdir -p "$local_dir/Programs" "$instdir" "$documents"
game='[Event "Partie"]'
for file in "$local_dir/Programs/partie.pgn" "$instdir/gespeichert.pgn" "$documents/meine partie.pgn"; do
  printf '%s\r\n\r\n1. e4 e5 *\r\n' "$game" >"$file"
done

"$wine" "$setup" /S || fail "the setup ended with status $?"

for file in torvo.exe torvo-cli.exe; do
  cmp -s "$build/$file" "$instdir/$file" || fail "$file not installed as built"
done
[ -f "$instdir/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu entry 'Torvo Schach'"
grep -qa 'torvo.exe' "$shortcut" 2>/dev/null || fail "the Start-menu entry does not lead to torvo.exe"
perft=$("$wine" "$instdir/torvo-cli.exe" perft 3 2>/dev/null | tr -d '\r' | head -n 1)
[ "$perft" = "total 8902" ] || fail "the installed torvo-cli.exe answers '$perft'"

classes='HKCU\Software\Classes'
expect_value "$classes\\.pgn" "" "Torvo.Document"
expect_value "$classes\\Torvo.Document" "" "SchachSpiel"
expect_value "$classes\\Torvo.Document\\DefaultIcon" "" "$exe_win,-129"
expect_value "$classes\\Torvo.Document\\shell\\open\\command" "" "\"$exe_win\" \"%1\""
expect_value "$classes\\Torvo.Document\\shell\\print\\command" "" "\"$exe_win\" /p \"%1\""
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvo'
expect_value "$uninstall" DisplayName "Torvo Schach"
expect_value "$uninstall" Publisher "Halvorn IT"
expect_value "$uninstall" DisplayVersion "3.0.0.1"
expect_value "$uninstall" DisplayIcon "$exe_win"
expect_value "$uninstall" UninstallString "\"$instdir_win\\uninstall.exe\""

# A value as reg export writes it, read as UTF-8 (reg query prints ANSI).
exported_value() {
  local key=$1 name=$2 out=$work/export.reg
  rm -f "$out"
  "$wine" reg export "$key" "$(winepath -w "$out")" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16LE -t UTF-8 "$out" | tr -d '\r' | sed -nE "s/^\"$name\"=\"(.*)\"$/\1/p" | sed 's/\\\\/\\/g'
}
winepath() { "$wine" winepath "$@" 2>/dev/null | tr -d '\r'; }

# Opening a game through the shell. Windows reads the user's file types
# through HKEY_CLASSES_ROOT; Wine 8 does not merge HKCU\Software\Classes into
# it (Wine bug 14771), so the keys the setup wrote are copied there as they are.
for key in .pgn Torvo.Document; do
  "$wine" reg export "$classes\\$key" "$(winepath -w "$work/$key.reg")" /y >/dev/null 2>&1
  iconv -f UTF-16LE -t UTF-8 "$work/$key.reg" | sed '1s/^\xEF\xBB\xBF//' \
    | sed 's/^\[HKEY_CURRENT_USER\\Software\\Classes/[HKEY_CLASSES_ROOT/' >"$work/$key-root.reg"
  "$wine" reg import "$(winepath -w "$work/$key-root.reg")" >/dev/null 2>&1 || fail "$key not copied for the shell"
done
folder="$work/Schach Partien ä"
mkdir -p "$folder"
printf '[Event "Partie"]\r\n\r\n1. e4 *\r\n' >"$folder/Übung.pgn"
export TORVO_STATUS_LOG=$work/status.log
: >"$TORVO_STATUS_LOG"
# start shows a message box when it finds no program, which nobody can close here.
timeout 60 "$wine" start /unix "$folder/Übung.pgn" || fail "start /unix ended with status $?"
opened=
for _ in $(seq 100); do
  if grep -qxF "Schwarz ist am Zug" "$TORVO_STATUS_LOG"; then opened=yes; break; fi
  sleep 0.2
done
[ -n "$opened" ] || fail "the shell's open did not show the game: $(tr '\n' '|' <"$TORVO_STATUS_LOG")"
# taskkill without /f closes the windows, and the program writes its recent files.
"$wine" taskkill /im torvo.exe >/dev/null 2>&1 || fail "torvo.exe was not running"
game_win=$(winepath -w "$folder/Übung.pgn")
recent=
for _ in $(seq 100); do
  recent=$(exported_value 'HKCU\Software\Halvorn IT\torvo\Recent File List' File1)
  [ "$recent" = "$game_win" ] && break
  sleep 0.2
done
[ "$recent" = "$game_win" ] || fail "after the shell's open File1 is '$recent', not '$game_win'"
unset TORVO_STATUS_LOG

# What the program leaves in the registry when it has run.
"$wine" reg add 'HKCU\Software\Halvorn IT\torvo\Settings' /v PreviewPages /t REG_DWORD /d 1 /f >/dev/null 2>&1

# The uninstaller runs from a copy of itself and returns at once; the prefix's
# server ends when the copy has.
"$wine" "$instdir/uninstall.exe" /S || fail "the uninstaller ended with status $?"
"$wineserver" -w

for file in torvo.exe torvo-cli.exe uninstall.exe; do
  [ ! -e "$instdir/$file" ] || fail "$file is still there"
done
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
for file in "$local_dir/Programs/partie.pgn" "$instdir/gespeichert.pgn" "$documents/meine partie.pgn"; do
  [ "$(head -n 1 "$file" 2>/dev/null | tr -d '\r')" = "$game" ] || fail "the user's game $file is gone or changed"
done
expect_no_key "$classes\\.pgn"
expect_no_key "$classes\\Torvo.Document"
expect_no_key 'HKCU\Software\Halvorn IT'
expect_no_key "$uninstall"
"$wineserver" -w

if [ "$failures" -ne 0 ]; then
  echo "$failures failures; the prefix stays in $WINEPREFIX"
  exit 1
fi
rm -rf "$work"
echo "installed and removed"
