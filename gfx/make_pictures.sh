#!/usr/bin/env bash
# Draws every picture the program ships in GFX\ (the Main Window's and the About window's button pictures and the
# default logo Ostrel.bmp) and the program icon res/tagmora.ico. The generated files are committed beside this
# script; run it again after changing the artwork:
#
#   gfx/make_pictures.sh            writes into gfx/ and res/
#   gfx/make_pictures.sh OUTDIR     writes everything into OUTDIR (to compare with the committed files)
#
# Needs ImageMagick 6 or 7 and the fonts of the Debian packages fonts-dejavu-core, fonts-dejavu-extra and
# fonts-wine. The pixel sizes are fixed by the Main Window's button layout and by the About window's splash
# control (230 x 178 dialog units in a Tahoma 8 dialog: 345 x 289 pixels at 96 dpi).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
gfx_out=${1:-$here}
ico_out=${1:-$here/../res}
mkdir -p "$gfx_out" "$ico_out"

if command -v magick >/dev/null 2>&1; then
    IM=(magick)
elif [ -x /usr/bin/convert ]; then
    IM=(/usr/bin/convert)
else
    IM=(convert)
fi

FONT_DIR=/usr/share/fonts/truetype/dejavu
SANS_BOLD=$FONT_DIR/DejaVuSans-Bold.ttf
SANS=$FONT_DIR/DejaVuSans.ttf
NARROW=$FONT_DIR/DejaVuSansCondensed.ttf
NARROW_BOLD=$FONT_DIR/DejaVuSansCondensed-Bold.ttf
SMALL=/usr/share/wine/fonts/tahoma.ttf
SMALL_BOLD=/usr/share/wine/fonts/tahomabd.ttf
for font in "$SANS_BOLD" "$SANS" "$NARROW" "$NARROW_BOLD" "$SMALL" "$SMALL_BOLD"; do
    [ -f "$font" ] || { echo "missing font $font (install fonts-dejavu-core fonts-dejavu-extra fonts-wine)" >&2; exit 1; }
done

# One colour scheme for the whole set: a deep label blue with a warm amber accent, on white.
NAVY='#1F4A8A'
NAVY_TOP='#3466B0'
NAVY_BOTTOM='#173C72'
PRESSED_TOP='#244F8E'
PRESSED_BOTTOM='#102C58'
RIM='#5A86C8'
AMBER='#F5A623'
SKY='#C6D7F2'
PALE='#9DB9E6'
INK='#34445C'
TINT='#F1F5FB'
TINT_LINE='#C9D7EC'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

im() { "${IM[@]}" "$@"; }

# JPEG settings: no chroma subsampling and high quality keep small coloured text crisp; -strip keeps the files
# free of time stamps so that regenerating gives the same bytes.
save_jpeg() { im "$1" -strip -sampling-factor 1x1 -quality 92 "JPEG:$2"; }

# --- shapes ------------------------------------------------------------------------------------------------------

# The Ostrel bird, facing right, drawn in a 400 x 400 box.
BIRD_BODY="M 36,236 L 122,232 C 150,200 178,150 128,44 C 204,100 236,156 246,190 C 270,174 296,160 320,160 \
C 340,160 352,172 360,180 L 360,200 C 336,232 280,264 208,264 C 160,264 110,262 60,270 L 92,250 Z"
BIRD_FAR_WING="M 214,200 C 230,150 250,110 300,70 C 290,120 278,160 262,190 Z"
BIRD_BEAK="M 356,176 L 394,188 L 356,200 Z"

# bird OUT BODY_COLOUR FAR_WING_COLOUR EYE_COLOUR: the bird on a transparent 400 x 400 canvas.
bird() {
    im -size 400x400 xc:none \
        -fill "$3" -draw "path '$BIRD_FAR_WING'" \
        -fill "$2" -draw "path '$BIRD_BODY'" \
        -fill "$AMBER" -draw "path '$BIRD_BEAK'" \
        -fill "$4" -draw "circle 336,184 336,176" "$1"
}

# badge OUT SIZE: the Ostrel emblem, a blue disc with an amber ring and the white bird, SIZE pixels across.
badge() {
    bird "$work/bird_white.png" white "$PALE" "$NAVY"
    im -size 480x480 xc:none \
        -fill "$NAVY" -draw "circle 240,240 240,8" \
        -fill none -stroke "$AMBER" -strokewidth 10 -draw "circle 240,240 240,32" -stroke none \
        \( "$work/bird_white.png" -resize 88% \) -geometry +50+76 -composite \
        -resize "$2x$2" "$1"
}

# tag OUT WIDTH BODY LINE FAINT_LINE [plain]: the product's emblem, a luggage tag with an amber eyelet and address
# lines, turned a little, WIDTH pixels wide. "plain" leaves the address lines out and widens the eyelet, for the
# smallest icon.
tag() {
    local body=$3 line=$4 faint=$5
    local lines=(-fill "$line" -draw "roundrectangle 104,62 196,74 6,6"
        -fill "$faint" -draw "roundrectangle 104,84 180,94 5,5" -draw "roundrectangle 104,104 160,114 5,5")
    local eyelet_outer=19 eyelet_inner=9
    if [ "${6:-}" = plain ]; then
        lines=()
        eyelet_outer=30 eyelet_inner=14
    fi
    im -size 240x170 xc:none \
        -fill "$body" -stroke "$body" -strokewidth 14 \
        -draw "stroke-linejoin round polygon 22,85 72,30 218,30 218,140 72,140" -stroke none \
        -fill "$AMBER" -draw "circle 68,85 68,$((85 - eyelet_outer))" \
        \( -size 240x170 xc:none -fill black -draw "circle 68,85 68,$((85 - eyelet_inner))" \) \
        -compose DstOut -composite -compose Over \
        "${lines[@]}" \
        -background none -rotate -14 +repage -trim +repage -resize "$2x" "$1"
}

# glyph OUT NAME: a 24 x 24 amber disc with the button's symbol in blue, drawn at four times the size.
glyph() {
    local symbol
    case $2 in
    about) symbol=(-fill "$NAVY_BOTTOM" -draw "circle 48,25 48,18" -draw "roundrectangle 41,37 55,76 4,4") ;;
    setup)
        local teeth
        teeth=$(awk 'BEGIN { n = 8; ro = 31; ri = 23; pi = 3.14159265; s = "";
            for (i = 0; i < n; i++) { a = 2 * pi * i / n; w = 2 * pi / n;
                s = s sprintf("%.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f ",
                    48 + ro * cos(a - w * 0.2), 48 + ro * sin(a - w * 0.2), 48 + ro * cos(a + w * 0.2), 48 + ro * sin(a + w * 0.2),
                    48 + ri * cos(a + w * 0.3), 48 + ri * sin(a + w * 0.3), 48 + ri * cos(a + w * 0.7), 48 + ri * sin(a + w * 0.7)) }
            print s }')
        symbol=(-fill "$NAVY_BOTTOM" -draw "polygon $teeth" -fill "$AMBER" -draw "circle 48,48 48,38")
        ;;
    print)
        symbol=(-fill white -draw "rectangle 32,18 64,36"
            -fill "$NAVY_BOTTOM" -draw "roundrectangle 17,33 79,63 8,8"
            -fill white -draw "rectangle 30,52 66,80"
            -fill "$NAVY_BOTTOM" -draw "rectangle 37,61 59,65" -draw "rectangle 37,70 53,74")
        ;;
    addresses)
        # A stack of two address cards, the front one with its lines.
        symbol=(-fill "$PALE" -draw "roundrectangle 26,18 82,58 6,6"
            -fill white -draw "roundrectangle 14,32 70,76 6,6"
            -fill "$NAVY_BOTTOM" -draw "rectangle 22,42 58,47" -draw "rectangle 22,53 52,57" -draw "rectangle 22,63 46,67")
        ;;
    exit) symbol=(-fill none -stroke "$NAVY_BOTTOM" -strokewidth 8 -draw "arc 26,28 70,72 -55,235" -draw "line 48,18 48,48") ;;
    esac
    im -size 96x96 xc:none -fill "$AMBER" -draw "circle 48,48 48,2" "${symbol[@]}" -resize 24x24 "$1"
}

# card OUT WIDTH HEIGHT TOP BOTTOM Y0 Y1 RADIUS SHADOW [inset]: a rounded card from row Y0 to Y1 with a vertical
# gradient and a soft shadow of opacity SHADOW, on white. "inset" darkens the card's top edge from inside, as a
# pressed button looks.
card() {
    local out=$1 w=$2 h=$3 top=$4 bottom=$5 y0=$6 y1=$7 r=$8 shadow=$9 inset=${10:-}
    local x0=2 x1=$((w - 3))
    im -size "${w}x${h}" xc:none -fill black -draw "roundrectangle $x0,$((y0 + 1)),$x1,$((y1 + 2)),$r,$r" \
        -channel A -evaluate multiply "$shadow" +channel -blur 0x1.6 "$work/shadow.png"
    local inner=()
    if [ "$inset" = inset ]; then
        inner=(\( -size "${w}x5" gradient:'rgba(0,0,0,0.55)'-'rgba(0,0,0,0)' \) -geometry +0+"$y0" -composite)
    fi
    im -size "${w}x${h}" gradient:"$top"-"$bottom" "${inner[@]}" -alpha off \
        \( -size "${w}x${h}" xc:black -fill white -draw "roundrectangle $x0,$y0,$x1,$y1,$r,$r" -alpha off \) \
        -compose CopyOpacity -composite "$work/face.png"
    im -size "${w}x${h}" xc:white "$work/shadow.png" -composite "$work/face.png" -composite "$out"
}

# --- the Main Window's buttons -----------------------------------------------------------------------------------

# button NAME WIDTH HEIGHT WORD SUBTITLE [NARROW]: button_NAME_U.jpg and button_NAME_D.jpg. Both share one layout; the
# pressed picture sits one pixel lower and to the right, darker, with its shadow drawn inside the card. "narrow" sets a
# long WORD in the condensed face so that it stays inside the card.
button() {
    local name=$1 w=$2 h=$3 word=$4 subtitle=$5 word_font=$SANS_BOLD word_size=15
    if [ "${6:-}" = narrow ]; then word_font=$NARROW_BOLD word_size=12; fi
    glyph "$work/glyph_$name.png" "$name"
    local y0=1 y1=$((h - 4)) r=9
    local mid=$(((y0 + y1) / 2))
    for state in U D; do
        local dx=0 dy=0 top=$NAVY_TOP bottom=$NAVY_BOTTOM shadow=0.35 inset='' rim=(-fill none -stroke "$RIM")
        if [ "$state" = D ]; then
            dx=1 dy=1 top=$PRESSED_TOP bottom=$PRESSED_BOTTOM shadow=0.12 inset=inset rim=(-fill none -stroke none)
        fi
        card "$work/card.png" "$w" "$h" "$top" "$bottom" $((y0 + dy)) $((y1 + dy)) $r $shadow $inset
        im "$work/card.png" \
            "${rim[@]}" -strokewidth 1 \
            -draw "roundrectangle 3,$((y0 + 1)),$((w - 4)),$((y1 - 1)),$((r - 1)),$((r - 1))" -stroke none \
            "$work/glyph_$name.png" -geometry +$((10 + dx))+$((mid - 12 + dy)) -composite \
            -gravity NorthWest -fill white -font "$word_font" -pointsize "$word_size" \
            -annotate +$((42 + dx))+$((mid - 17 + dy)) "$word" \
            -fill "$SKY" -font "$SANS" -pointsize 11 -annotate +$((42 + dx))+$((mid + 2 + dy)) "$subtitle" \
            "$work/button.png"
        save_jpeg "$work/button.png" "$gfx_out/button_${name}_${state}.jpg"
    done
}

button about 114 59 About Tagmora
button setup 114 61 Setup Tagmora
button print 114 61 Print Labels
button addresses 114 61 Addresses 'from a file' narrow
button exit 114 61 Exit Tagmora

# --- title picture: the product's name under its emblem ----------------------------------------------------------

tag "$work/tag_title.png" 66 "$NAVY" white "$SKY"
im -size 123x119 xc:white \
    "$work/tag_title.png" -gravity North -geometry +4+6 -composite \
    -fill "$NAVY" -font "$SANS_BOLD" -pointsize 22 -annotate +4+62 'Tagmora' \
    -fill "$AMBER" -font "$SANS_BOLD" -pointsize 9 -kerning 1.6 -annotate +5+92 'PROFESSIONAL' \
    "$work/title.png"
save_jpeg "$work/title.png" "$gfx_out/button_title.jpg"

# --- help panel ---------------------------------------------------------------------------------------------------

# mouse OUT SIDE: a 14 x 14 mouse with its left or right button lit in amber.
mouse() {
    local lit
    if [ "$2" = left ]; then lit="path 'M 14,26 L 14,20 C 14,12 20,6 28,6 L 28,26 Z'"; else
        lit="path 'M 42,26 L 42,20 C 42,12 36,6 28,6 L 28,26 Z'"; fi
    im -size 56x56 xc:none -fill white -stroke "$NAVY" -strokewidth 4 -draw "roundrectangle 14,6 42,52 14,14" \
        -stroke none -fill "$AMBER" -draw "$lit" \
        -fill none -stroke "$NAVY" -strokewidth 4 -draw "roundrectangle 14,6 42,52 14,14" -draw "line 14,26 42,26" \
        -draw "line 28,6 28,26" -resize 14x14 "$1"
}
mouse "$work/mouse_left.png" left
mouse "$work/mouse_right.png" right
im -size 56x56 xc:none -fill "$AMBER" -draw "circle 28,28 28,4" \
    -fill "$NAVY" -font "$SANS_BOLD" -pointsize 38 -gravity center -annotate +0+1 '?' -resize 14x14 "$work/help_mark.png"

im -size 109x122 xc:white \
    \( -size 109x122 xc:none -fill black -draw "roundrectangle 1,2,107,120,8,8" -channel A -evaluate multiply 0.18 \
    +channel -blur 0x1.4 \) -composite \
    -fill "$TINT" -stroke "$TINT_LINE" -strokewidth 1 -draw "roundrectangle 1,1,107,118,8,8" -stroke none \
    -fill "$TINT_LINE" -draw "rectangle 10,41 98,41" -draw "rectangle 10,79 98,79" \
    -gravity NorthWest \
    "$work/mouse_left.png" -geometry +7+5 -composite \
    "$work/mouse_right.png" -geometry +7+43 -composite \
    "$work/help_mark.png" -geometry +7+81 -composite \
    -fill "$NAVY" -font "$SMALL_BOLD" -pointsize 11 \
    -annotate +25+5 'Left click' -annotate +25+43 'Right click' -annotate +25+81 'Click here' \
    -fill "$INK" -font "$SMALL" -pointsize 10 \
    -annotate +8+19 'a label to enable' -annotate +8+30 'or disable.' \
    -annotate +8+57 'a label to change' -annotate +8+68 'the address.' \
    -annotate +8+95 'to browse the' \
    -fill "$NAVY" -annotate +8+106 'online help.' \
    "$work/help.png"
save_jpeg "$work/help.png" "$gfx_out/button_instructions.jpg"

# --- splash picture of the About window ---------------------------------------------------------------------------

# A sheet of labels as the program previews it: two columns of four, addresses in grey, a sender band with a small
# amber logo, one label picked out in amber. Drawn at twice the size, then turned and scaled down.
sheet=(-size 260x368 xc:white)
for row in 0 1 2 3; do
    for col in 0 1; do
        x=$((14 + col * 120)) y=$((16 + row * 86))
        frame='#C9D2DE'
        if [ $row = 1 ] && [ $col = 0 ]; then frame=$AMBER; fi
        sheet+=(-fill none -stroke "$frame" -strokewidth 3 -draw "roundrectangle $x,$y $((x + 112)),$((y + 78)) 10,10" -stroke none
            -fill '#7C8BA1' -draw "rectangle $((x + 12)),$((y + 12)) $((x + 80)),$((y + 17))"
            -fill '#A9B5C6' -draw "rectangle $((x + 12)),$((y + 24)) $((x + 70)),$((y + 28))"
            -draw "rectangle $((x + 12)),$((y + 34)) $((x + 62)),$((y + 38))"
            -fill "$NAVY" -draw "rectangle $((x + 10)),$((y + 50)) $((x + 102)),$((y + 51))"
            -fill '#A9B5C6' -draw "rectangle $((x + 12)),$((y + 58)) $((x + 56)),$((y + 61))"
            -draw "rectangle $((x + 12)),$((y + 66)) $((x + 48)),$((y + 69))"
            -fill "$AMBER" -draw "circle $((x + 92)),$((y + 63)) $((x + 92)),$((y + 56))")
    done
done
im "${sheet[@]}" -bordercolor white -border 0 -background none -rotate 7 +repage -resize 50% "$work/sheet.png"
im "$work/sheet.png" -background black -shadow 40x3+2+3 +repage "$work/sheet_shadow.png"

tag "$work/tag_splash.png" 54 white "$NAVY" "$PALE"
badge "$work/badge_splash.png" 22

# check OUT: a small amber tick for the feature list.
im -size 48x48 xc:none -fill none -stroke "$AMBER" -strokewidth 7 -draw "stroke-linecap round stroke-linejoin round path 'M 10,26 L 20,36 L 38,13'" \
    -resize 12x12 "$work/tick.png"

card "$work/splash_card.png" 345 289 '#2C5CA4' '#122F5C' 3 283 14 0.35
im "$work/splash_card.png" \
    -fill none -stroke "$RIM" -strokewidth 1 -draw "roundrectangle 3,4,341,282,13,13" -stroke none \
    "$work/sheet_shadow.png" -geometry +184+78 -composite \
    "$work/sheet.png" -geometry +184+78 -composite \
    \( -size 345x289 xc:black -fill white -draw "roundrectangle 2,3,342,283,14,14" -alpha off \) \
    -compose CopyOpacity -composite -compose Over -background white -flatten \
    -gravity NorthWest \
    "$work/tag_splash.png" -geometry +22+24 -composite \
    -fill white -font "$SANS_BOLD" -pointsize 30 -annotate +86+18 'Tagmora' \
    -fill "$AMBER" -font "$SANS_BOLD" -pointsize 10 -kerning 2.2 -annotate +88+54 'PROFESSIONAL' -kerning 0 \
    -fill "$SKY" -font "$SANS" -pointsize 12 -annotate +24+96 'Address labels,' -annotate +24+112 'sheet after sheet.' \
    "$work/tick.png" -geometry +26+148 -composite \
    "$work/tick.png" -geometry +26+168 -composite \
    "$work/tick.png" -geometry +26+188 -composite \
    -fill white -font "$SANS" -pointsize 11 \
    -annotate +44+146 'Up to 128 labels a sheet' -annotate +44+166 'Live preview' -annotate +44+186 'Your logo on every label' \
    "$work/badge_splash.png" -geometry +24+250 -composite \
    -fill "$PALE" -font "$SANS" -pointsize 10 -annotate +52+255 'An Ostrel product' \
    "$work/splash.png"
save_jpeg "$work/splash.png" "$gfx_out/button_splash.jpg"

# --- Ostrel.bmp: the default logo of every label --------------------------------------------------------------------

bird "$work/bird_logo.png" white "$PALE" "$NAVY"
im -size 960x640 xc:white \
    -fill "$NAVY" -draw "circle 480,236 480,16" \
    -fill none -stroke "$AMBER" -strokewidth 10 -draw "circle 480,236 480,40" -stroke none \
    \( "$work/bird_logo.png" -resize 88% \) -geometry +290+84 -composite \
    -font "$SANS_BOLD" -pointsize 104 -kerning 18 -fill "$NAVY" -gravity North -annotate +8+486 'OSTREL' \
    -resize 240x160 -alpha off "$work/ostrel.png"
im "$work/ostrel.png" -strip -type TrueColor "BMP3:$gfx_out/Ostrel.bmp"

# --- program icon: the tag on a blue tile, 48, 32 and 16 pixels, in full colour and in 256 colours ----------------

icon_images=()
for size in 48 32 16; do
    big=$((size * 8))
    radius=$((big / 5))
    style=''
    tag_width=$((big * 80 / 100))
    if [ "$size" = 16 ]; then style=plain tag_width=$((big * 86 / 100)); fi
    tag "$work/tag_icon_$size.png" "$tag_width" white "$NAVY" "$PALE" $style
    im -size "${big}x${big}" gradient:"$NAVY_TOP"-"$NAVY_BOTTOM" -alpha off \
        \( -size "${big}x${big}" xc:black -fill white \
        -draw "roundrectangle 4,4 $((big - 5)),$((big - 5)) $radius,$radius" -alpha off \) \
        -compose CopyOpacity -composite -compose Over \
        "$work/tag_icon_$size.png" -gravity center -composite \
        -resize "${size}x${size}" "$work/icon_$size.png"
    im "$work/icon_$size.png" -background "$NAVY" -alpha remove -alpha off \
        \( "$work/icon_$size.png" -alpha extract -threshold 50% \) -compose CopyOpacity -composite \
        -colors 255 "MIFF:$work/icon_${size}_256.miff"
    icon_images+=("$work/icon_$size.png")
done
for size in 48 32 16; do icon_images+=("MIFF:$work/icon_${size}_256.miff"); done
im "${icon_images[@]}" "ICO:$ico_out/tagmora.ico"
