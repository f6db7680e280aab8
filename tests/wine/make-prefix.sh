#!/bin/sh
# Makes the Wine prefix of one Windows build folder into the test bench: a fresh prefix, Wine's own fonts,
# the virtual desktop, the browser capture and the test printer, proven by printing one page.
# A stamp in the prefix remembers what it was made from; when nothing changed, it returns at once.
# Run it with no persistent wineserver on the prefix: it waits for the server to write the registry.
#   make-prefix.sh <build>/wine-bench/bench.env install_test_printer.exe bench_probe.exe
set -eu
bench_env=$1
installer=$2
probe=$3
. "$bench_env"

stamp="$TAGMORA_WINE_PREFIX/.tagmora-bench"
fingerprint=$(cat "$0" "$TAGMORA_BENCH_DIR/bench.reg" "$installer" | sha256sum | cut -d' ' -f1)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$fingerprint" ]; then
    echo "Wine prefix ready: $TAGMORA_WINE_PREFIX"
    exit 0
fi

run() { TAGMORA_BENCH_SETUP=1 DISPLAY= "$TAGMORA_WINE_RUN" "$@"; }

rm -f "$stamp"
if [ ! -f "$TAGMORA_WINE_PREFIX/system.reg" ]; then
    echo "Creating the $TAGMORA_WINE_ARCH Wine prefix $TAGMORA_WINE_PREFIX"
    mkdir -p "$TAGMORA_WINE_PREFIX"
    run wineboot -i
    run wineserver -w
fi

# Wine does not find the fonts it ships by itself here: Tahoma, MS Shell Dlg and Marlett would come out as
# Liberation Sans (and a caption's close button as the letter "r") unless they lie in the Fonts folder.
fonts="$TAGMORA_WINE_PREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -u /usr/share/wine/fonts/*.ttf "$fonts/"

run regedit /S "$TAGMORA_BENCH_DIR/bench.reg"
run "$installer"

# Prove the printer: one page must arrive as PostScript that Ghostscript renders.
mkdir -p "$TAGMORA_PRINTER_JOBS_DIR"
before=$(ls "$TAGMORA_PRINTER_JOBS_DIR" | grep -c '^job-' || true)
run "$probe" page >/dev/null
after=$(ls "$TAGMORA_PRINTER_JOBS_DIR" | grep -c '^job-' || true)
if [ "$after" -le "$before" ]; then
    echo "make-prefix: the test page did not reach $TAGMORA_PRINTER_JOBS_DIR" >&2
    exit 1
fi
job=$(ls "$TAGMORA_PRINTER_JOBS_DIR"/job-*.ps | tail -n 1)
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r30 -o "$TAGMORA_BENCH_DIR/setup-page.png" "$job"

run wineserver -w
echo "$fingerprint" >"$stamp"
echo "Wine prefix ready: $TAGMORA_WINE_PREFIX (test printer, fonts, desktop, browser capture)"
