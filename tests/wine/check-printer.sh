#!/bin/sh
# The test printer at its default resolution and at 600 dpi: each page arrives as a new PostScript job,
# Ghostscript renders it at the page's full size, and the grey frame lies where the program drew it.
#   check-printer.sh <build>/wine-bench/bench.env bench_probe.exe
set -eu
. "$1"
probe=$2
out="$TAGMORA_BENCH_DIR/check-printer"
mkdir -p "$out" "$TAGMORA_PRINTER_JOBS_DIR"

newest_job() { ls "$TAGMORA_PRINTER_JOBS_DIR" | grep '^job-[0-9]*\.ps$' | tail -n 1 || true; }
value() { sed -n "s/^$1=\([0-9-]*\).*/\1/p" "$caps"; }
# The red channel (0 to 255) at each x,y given, read in one pass over the (large) page image.
reds_at() {
    format=
    for point; do format="$format %[fx:int(255*p{$point}.r+0.5)]"; done
    convert "$png" -format "$format" info:
}
fail() {
    echo "check-printer ($resolution): $*" >&2
    exit 1
}

for resolution in default 600; do
    caps="$out/caps-$resolution.txt"
    png="$out/page-$resolution.png"
    before=$(newest_job)
    if [ "$resolution" = default ]; then
        "$TAGMORA_WINE_RUN" "$probe" page >"$caps"
    else
        "$TAGMORA_WINE_RUN" "$probe" page "$resolution" >"$caps"
    fi
    tr '\n' ' ' <"$caps"
    echo
    job=$(newest_job)
    [ -n "$job" ] && [ "$job" != "$before" ] || fail "no new job in $TAGMORA_PRINTER_JOBS_DIR"

    dpi=$(value LOGPIXELSX)
    [ "$resolution" = default ] || [ "$dpi" = "$resolution" ] || fail "asked for $resolution dpi, got $dpi"
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r"$dpi" -o "$png" "$TAGMORA_PRINTER_JOBS_DIR/$job" ||
        fail "Ghostscript cannot render $job"

    # The PostScript page may round to a pixel more than the driver's physical size.
    set -- $(identify -format '%w %h' "$png")
    for pair in "$1 $(value PHYSICALWIDTH)" "$2 $(value PHYSICALHEIGHT)"; do
        set -- $pair
        [ $(($1 - $2)) -ge -2 ] && [ $(($1 - $2)) -le 2 ] || fail "rendered page $1 px, printer page $2 px"
    done

    # Device (0,0) is the printable area's corner, PHYSICALOFFSET pixels into the page.
    x0=$(value PHYSICALOFFSETX)
    y0=$(value PHYSICALOFFSETY)
    width=$(value HORZRES)
    height=$(value VERTRES)
    middle=$((y0 + height / 2))
    set -- $(reds_at "$((x0 + width / 2)),$middle" "$((x0 + width / 10)),$middle" "$((x0 + width / 20)),$middle")
    [ "$1" -ge 100 ] && [ "$1" -le 156 ] || fail "no grey inside the frame (red $1)"
    [ "$2" -le 40 ] || fail "no black frame edge (red $2)"
    [ "$3" -ge 250 ] || fail "no white outside the frame (red $3)"
done

# The Letter printer, chosen by name: its own paper, resolution and margins, its jobs in a folder of their
# own, the test printer's folder untouched.
caps="$out/caps-letter.txt"
resolution=letter
before=$(ls "$TAGMORA_PRINTER_JOBS_DIR" | grep -c '^job-' || true)
mkdir -p "$TAGMORA_LETTER_PRINTER_JOBS_DIR"
letter_before=$(ls "$TAGMORA_LETTER_PRINTER_JOBS_DIR" | grep -c '^job-[0-9]*\.ps$' || true)
"$TAGMORA_WINE_RUN" "$probe" page 0 "Tagmora Letter Printer" >"$caps"
tr '\n' ' ' <"$caps"
echo
for expected in HORZRES=4850 VERTRES=6150 PHYSICALWIDTH=5100 PHYSICALHEIGHT=6600 PHYSICALOFFSETX=100 \
    PHYSICALOFFSETY=200 LOGPIXELSX=600 LOGPIXELSY=600; do
    [ "$(value "${expected%%=*}")" = "${expected#*=}" ] || fail "expected $expected, got $(value "${expected%%=*}")"
done
[ "$(ls "$TAGMORA_LETTER_PRINTER_JOBS_DIR" | grep -c '^job-[0-9]*\.ps$')" -eq $((letter_before + 1)) ] ||
    fail "no new job in $TAGMORA_LETTER_PRINTER_JOBS_DIR"
[ "$(ls "$TAGMORA_PRINTER_JOBS_DIR" | grep -c '^job-' || true)" -eq "$before" ] ||
    fail "the Letter printer's page arrived among the test printer's jobs"
