#!/bin/sh
# The release as a user meets it, in a Wine prefix made for this check alone (with the bench's test
# printer): the zip unpacked into a fresh folder runs; the installer runs silently; the installed program
# starts from its Start-menu shortcut and saves "wm.dat" beside itself; "open" on a setup file starts it with
# that setup; "print" prints one page and one log and leaves "wm.dat" alone; the uninstaller removes the
# program, its shortcut and its file type, and keeps the user's "wm.dat" and PRINTED\.
#   check-release.sh <check folder> <zip> <installer> release_probe.exe make-prefix.sh install_test_printer.exe
#                    bench_probe.exe
# The check folder holds this check's wine-run and bench.env (made by CMake); the prefix is made anew in it.
set -eu
# The title holds the byte 0xA9 of the ANSI code page, which a UTF-8 locale would not match with "."
export LC_ALL=C
check=$1 zip=$2 installer=$3 probe=$4
. "$check/bench.env"
[ -n "${DISPLAY:-}" ] || { echo "check-release: no DISPLAY, the program's windows cannot open"; exit 77; }
for file in "$zip" "$installer"; do
    [ -f "$file" ] || { echo "check-release: $file is missing: build the target release" >&2; exit 1; }
done

fail() {
    echo "check-release: $*" >&2
    exit 1
}
run() { "$TAGMORA_WINE_RUN" "$@"; }
# Wine's shell opens a shortcut on drive C: but not the same file reached through Z:.
windows_path() { run winepath -w "$1" | tr -d '\r'; }
# Runs a shell verb through release_probe and keeps what it saw in $seen.
verb() {
    seen=$(run "$probe" "$1" "$2" </dev/null) || fail "$1 $2: $seen"
    seen=$(printf '%s' "$seen" | tr -d '\r')
    printf '%s %s:\n%s\n' "$1" "$2" "$seen"
}
expect_seen() { printf '%s\n' "$seen" | grep -qx "$1" || fail "expected $1, saw: $seen"; }
jobs() { ls "$TAGMORA_PRINTER_JOBS_DIR" | grep -c '^job-[0-9]*\.ps$' || true; }

rm -rf "$TAGMORA_WINE_PREFIX" "$check/unzipped" "$check/My Labels"
sh "$5" "$check/bench.env" "$6" "$7"
trap 'run wineserver -k 2>/dev/null' EXIT
run wineserver -p
# The prefix's services, started by the first program, would keep this script's output open.
run cmd /c exit </dev/null >/dev/null 2>&1

echo "== The zip, unpacked into a fresh folder"
mkdir "$check/unzipped"
(cd "$check/unzipped" && cmake -E tar xf "$zip")
[ "$(ls "$check/unzipped" | tr '\n' ' ')" = "GFX README.txt Tagmora.exe " ] && [ -f "$check/unzipped/GFX/Ostrel.bmp" ] ||
    fail "the zip does not hold just Tagmora.exe, GFX\\ and README.txt"
verb open "$(windows_path "$check/unzipped/Tagmora.exe")"
expect_seen 'WINDOW=Tagmora v.*'
expect_seen EXIT=0
[ -f "$check/unzipped/wm.dat" ] || fail "the unpacked program saved no wm.dat beside itself"

echo "== The installer, silently"
run "$installer" /S || fail "the installer failed ($?)"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TagmoraProfessional'
location=$(run reg query "$key" /v InstallLocation | sed -n 's/.*InstallLocation *REG_SZ *//p' | tr -d '\r')
[ -n "$location" ] || fail "no Add/Remove Programs entry with an InstallLocation"
folder=$(run winepath -u "$location" | tr -d '\r')
folder=${folder%/}
for file in Tagmora.exe README.txt Uninstall.exe GFX/button_title.jpg GFX/Ostrel.bmp; do
    [ -f "$folder/$file" ] || fail "$file was not installed into $folder"
done
# The program's resources, read back from the installed file: the version from CMake's project() line in
# the version resource, the icon, and the manifest (common controls 6, asInvoker, no DPI awareness).
version=${zip##*/Tagmora-}
version=${version%-win32.zip}
resources=$(i686-w64-mingw32-windres -i "$folder/Tagmora.exe" -O rc) || fail "cannot read the program's resources"
for line in "FILEVERSION ${version%.*}, ${version#*.}, 0, 0" "VALUE \"ProductVersion\", \"$version\"" \
    '131 14 /\* RT_GROUP_ICON \*/' '1 24 /\* RT_MANIFEST \*/' 'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""' \
    'requestedExecutionLevel level=""asInvoker""'; do
    printf '%s\n' "$resources" | grep -q "$line" || fail "the program's resources lack: $line"
done
! printf '%s\n' "$resources" | grep -qi dpiaware || fail "the manifest asks for DPI awareness"
shortcut=$(find "$TAGMORA_WINE_PREFIX/drive_c/users" -path '*/Start Menu/Programs/Tagmora Professional.lnk')
[ -n "$shortcut" ] || fail "no Start-menu shortcut"

echo "== Started from its shortcut"
verb open "$(windows_path "$shortcut")"
expect_seen 'WINDOW=Tagmora v.*'
expect_seen EXIT=0
[ -f "$folder/wm.dat" ] || fail "the installed program saved no wm.dat beside itself"

echo "== Open and Print on a setup file"
# Windows looks up file types in the user's classes (HKCU\Software\Classes) before the machine's; Wine 8
# reads only the machine's (its bug 14771). So the bench shows Wine what Windows would see, the keys
# exactly as the installer wrote them, and takes them away again before the uninstaller runs.
for class in .tgm Tagmora.SetupFile; do
    run reg copy "HKCU\\Software\\Classes\\$class" "HKLM\\Software\\Classes\\$class" /s /f >/dev/null ||
        fail "the installer registered no $class for the user"
done
mkdir "$check/My Labels"
setup="$check/My Labels/Christmas list.tgm"
onof=$(printf '1%0127d' 0)
printf '[TAGMORA PRO SETUP FILE]\r\nCOLS=3\n<DEST0>Release Check\r\n1 Test Street</DEST0>\n<ONOF>%s</ONOF>\n' \
    "$onof" >"$setup"
verb open "$(windows_path "$setup")"
expect_seen 'WINDOW=Tagmora v.*'
expect_seen EXIT=0
grep -q '^COLS=3' "$folder/wm.dat" && grep -q 'Release Check' "$folder/wm.dat" ||
    fail "open did not start the program with the setup file"

state=$(cksum <"$folder/wm.dat")
before=$(jobs)
verb print "$(windows_path "$setup")"
expect_seen EXIT=0
printf '%s\n' "$seen" | grep -q '^WINDOW=\|^MESSAGE=' && fail "print showed a window or a message"
[ "$(jobs)" -eq $((before + 1)) ] || fail "print did not put exactly one page on the printer"
set -- "$folder"/PRINTED/*.txt
log=$1
[ $# -eq 1 ] && [ -f "$log" ] || fail "print did not write exactly one log in $folder/PRINTED"
grep -q 'Release Check' "$log" || fail "the log does not hold the printed address"
[ "$(cksum <"$folder/wm.dat")" = "$state" ] || fail "print changed wm.dat"

echo "== The uninstaller, silently"
for class in .tgm Tagmora.SetupFile; do
    run reg delete "HKLM\\Software\\Classes\\$class" /f >/dev/null
done
run "$folder/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once; its entry goes last.
tries=0
while run reg query "$key" >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 60 ] || fail "the uninstaller did not remove its Add/Remove Programs entry"
    sleep 0.5
done
for file in "$folder/Tagmora.exe" "$folder/README.txt" "$folder/Uninstall.exe" "$folder/GFX" "$shortcut"; do
    [ ! -e "$file" ] || fail "the uninstaller left $file"
done
[ -f "$folder/wm.dat" ] && [ -f "$log" ] || fail "the uninstaller removed the user's wm.dat or PRINTED"
for class in .tgm Tagmora.SetupFile; do
    ! run reg query "HKCU\\Software\\Classes\\$class" >/dev/null 2>&1 || fail "the uninstaller left $class"
done
# The prefix has served: 600 MB less in the build folder (a failed check keeps it to look into).
run wineserver -k
trap - EXIT
rm -rf "$TAGMORA_WINE_PREFIX"
echo "check-release: the zip and the installer work"
