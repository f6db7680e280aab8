#!/bin/sh
# The release as a user meets it, in a Wine prefix made for this check alone (with the bench's printer).
#   check-release.sh <check folder> <zip> <installer> release_probe.exe make-prefix.sh install_test_printer.exe
#                    bench_probe.exe
# The check folder holds this check's wine-run and bench.env (made by CMake); the prefix is made anew in it.
set -eu
# The title holds the byte 0xA9 of the ANSI code page, which a UTF-8 locale would not match with ".".
export LC_ALL=C
check=$1 zip=$2 installer=$3 probe=$4
. "$check/bench.env"
[ -n "${DISPLAY:-}" ] || { echo "check-release: no DISPLAY, the program's windows cannot open"; exit 77; }

fail() {
    echo "check-release: $*" >&2
    exit 1
}
run() { "$TAGMORA_WINE_RUN" "$@"; }
# Wine's shell opens a shortcut on drive C: but not the same file reached through Z:.
windows_path() { run winepath -w "$1" | tr -d '\r'; }
# A shell verb through release_probe: what it saw is kept in $seen and must hold each further pattern.
verb() {
    seen=$(run "$probe" "$1" "$2" ${3:+"$3"} </dev/null | tr -d '\r') || true
    printf '%s %s %s:\n%s\n' "$1" "$2" "${3:-}" "$seen"
    shift 3
    for pattern; do printf '%s\n' "$seen" | grep -q "$pattern" || fail "expected $pattern"; done
}
opens() { verb open "$(windows_path "$1")" '' '^WINDOW=Tagmora v' '^EXIT=0$'; }
jobs() { ls "$TAGMORA_PRINTER_JOBS_DIR" | grep -c '^job-[0-9]*\.ps$' || true; }
need() { [ -e "$1" ] || fail "$2"; }

rm -rf "$TAGMORA_WINE_PREFIX" "$check/unzipped" "$check/My Labels"
sh "$5" "$check/bench.env" "$6" "$7"
trap 'run wineserver -k 2>/dev/null' EXIT
run wineserver -p
# The prefix's services, started by the first program, would keep this script's output open.
run cmd /c exit </dev/null >/dev/null 2>&1

echo "== The zip, unpacked into a fresh folder, runs and saves wm.dat beside itself"
mkdir "$check/unzipped"
(cd "$check/unzipped" && cmake -E tar xf "$zip")
[ "$(LC_ALL=C ls "$check/unzipped" | tr '\n' ' ')" = \
    "GFX README.txt Tagmora.exe sheet-products-licence.txt sheet-products.txt " ] || fail "the zip holds more or less"
grep -q "Permission is hereby granted" "$check/unzipped/sheet-products-licence.txt" ||
    fail "the zip's catalogue comes without its licence notice"
need "$check/unzipped/GFX/Ostrel.bmp" "the zip has no GFX pictures"
opens "$check/unzipped/Tagmora.exe"
need "$check/unzipped/wm.dat" "the unpacked program saved no wm.dat"

echo "== The silent install: files, shortcut, entry, resources; started from its shortcut"
run "$installer" /S || fail "the installer failed"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TagmoraProfessional'
location=$(run reg query "$key" /v InstallLocation | sed -n 's/.*InstallLocation *REG_SZ *//p' | tr -d '\r')
[ -n "$location" ] || fail "no Add/Remove Programs entry with an InstallLocation"
folder=$(run winepath -u "$location" | tr -d '\r')
folder=${folder%/}
for file in Tagmora.exe README.txt Uninstall.exe GFX/Ostrel.bmp sheet-products.txt sheet-products-licence.txt; do
    need "$folder/$file" "$file not installed"
done
cmp -s "$folder/sheet-products.txt" "$check/unzipped/sheet-products.txt" || fail "the installed catalogue differs"
# The version from CMake's project() line, the icon, the manifest (common controls 6, asInvoker, no DPI).
version=${zip##*/Tagmora-}
version=${version%-win32.zip}
resources=$(i686-w64-mingw32-windres -i "$folder/Tagmora.exe" -O rc) || fail "cannot read the resources"
for line in "FILEVERSION ${version%.*}, ${version#*.}, 0, 0" "\"ProductVersion\", \"$version\"" \
    '131 14 /\* RT_GROUP_ICON' '1 24 /\* RT_MANIFEST' 'Common-Controls"" version=""6.0.0.0' 'level=""asInvoker'; do
    printf '%s\n' "$resources" | grep -q "$line" || fail "the program's resources lack: $line"
done
! printf '%s\n' "$resources" | grep -qi dpiaware || fail "the manifest asks for DPI awareness"
shortcut=$(find "$TAGMORA_WINE_PREFIX/drive_c/users" -path '*/Start Menu/Programs/Tagmora Professional.lnk')
need "$shortcut" "no Start-menu shortcut"
opens "$shortcut"
need "$folder/wm.dat" "the installed program saved no wm.dat beside itself"

echo "== Open and Print on setup files"
# Windows looks file types up in the user's classes before the machine's; Wine 8 reads only the
# machine's (its bug 14771). So the check shows Wine the installer's keys where it looks, until uninstall.
for class in .tgm Tagmora.SetupFile; do
    run reg copy "HKCU\\Software\\Classes\\$class" "HKLM\\Software\\Classes\\$class" /s /f >/dev/null ||
        fail "the installer registered no $class for the user"
done
mkdir "$check/My Labels"
setup="$check/My Labels/Christmas list.tgm"
none="$check/My Labels/none enabled.tgm"
printf '[TAGMORA PRO SETUP FILE]\r\nCOLS=3\n<DEST0>Release Check\r\n1 Test Street</DEST0>\n<ONOF>1%0127d</ONOF>\n' 0 >"$setup"
printf '[TAGMORA PRO SETUP FILE]\r\n<ONOF>%0128d</ONOF>\n' 0 >"$none"
opens "$setup"
grep -q '^COLS=3' "$folder/wm.dat" && grep -q 'Release Check' "$folder/wm.dat" || fail "open loaded no setup file"

state=$(cksum <"$folder/wm.dat")
before=$(jobs)
verb print "$(windows_path "$setup")" '' '^EXIT=0$'
! printf '%s\n' "$seen" | grep -q '^WINDOW=\|^MESSAGE=' || fail "print showed a window or a message"
[ "$(jobs)" -eq $((before + 1)) ] || fail "print did not put exactly one page on the printer"
set -- "$folder"/PRINTED/*.txt
log=$1
[ $# -eq 1 ] && grep -q 'Release Check' "$log" || fail "print did not write one log of the address in PRINTED"
verb print "$(windows_path "$none")" '' '^MESSAGE=.*In order to print a label' '^EXIT=1$'
verb open "$(windows_path "$folder/Tagmora.exe")" '/p "C:\missing.tgm"' '^MESSAGE=.*Error reading data' \
    'missing.tgm was not found' \
    '^EXIT=1$'
[ "$(jobs)" -eq $((before + 1)) ] && [ "$(ls "$folder/PRINTED" | wc -l)" -eq 1 ] || fail "a failed print printed"
[ "$(cksum <"$folder/wm.dat")" = "$state" ] || fail "printing changed wm.dat"

echo "== The silent uninstall takes program, shortcut, entry and file type, and keeps wm.dat and PRINTED"
for class in .tgm Tagmora.SetupFile; do run reg delete "HKLM\\Software\\Classes\\$class" /f >/dev/null; done
run "$folder/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once; its entry goes last.
tries=0
while run reg query "$key" >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 60 ] || fail "the uninstaller did not remove its Add/Remove Programs entry"
    sleep 0.5
done
for file in "$folder/Tagmora.exe" "$folder/README.txt" "$folder/Uninstall.exe" "$folder/GFX" \
    "$folder/sheet-products.txt" "$folder/sheet-products-licence.txt" "$shortcut"; do
    [ ! -e "$file" ] || fail "the uninstaller left $file"
done
need "$folder/wm.dat" "the uninstaller removed wm.dat"
need "$log" "the uninstaller removed PRINTED"
for class in .tgm Tagmora.SetupFile; do
    ! run reg query "HKCU\\Software\\Classes\\$class" >/dev/null 2>&1 || fail "the uninstaller left $class"
done

# The prefix has served: 600 MB less in the build folder (a failed check keeps it to look into).
run wineserver -k
trap - EXIT
rm -rf "$TAGMORA_WINE_PREFIX"
echo "check-release: the zip and the installer work"
