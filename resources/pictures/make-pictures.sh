#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick: the caption strip, the
# gauges' bar, the application icon, the Windows edition tiles, the processor
# vendor plates and emblem (the small pictures with transparent parts are
# make-icons.sh's). Run it after changing a design; the results are committed
# beside it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
icons="$here/../icons"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Caption strip, 360 x 25: dark blue shading into teal, the name in white.
convert -size 25x360 gradient:'#0f7f86-#0b1f5c' -rotate 90 \
  -font Liberation-Sans-Bold -pointsize 15 -fill white -gravity West -annotate +8+0 'Torvane XP' \
  -strip -sampling-factor 1x1 -quality 92 "$here/caption.jpg"

# Gauge bar, 200 x 13: a glossy blue band, light blue at the left shading
# to violet-blue at the right, lighter towards the top, darker end columns.
convert -size 13x200 gradient:'#7fc8ff-#4a3cd0' -rotate -90 \
  \( -size 200x13 gradient:'#ffffff-#9090a8' \) -compose Multiply -composite \
  -fill '#20307a' -draw 'rectangle 0,0 0,12' -draw 'rectangle 199,0 199,12' \
  -strip -sampling-factor 1x1 -quality 95 "$here/gaugebar.jpg"

# Application icon: a memory chip (dark body, silver pins) on a lime square
# with a green edge, drawn pixel-exact at each size.
#   chip SIZE BODY_RECT PIN_X_LEFT PIN_X_RIGHT PIN_HEIGHT PIN_TOPS NOTCH
chip() {
  local size=$1 body=$2 left=$3 right=$4 height=$5 tops=$6 notch=$7 pins=()
  for y in $tops; do
    local bottom=$((y + height - 1))
    pins+=(-draw "rectangle ${left% *},$y ${left#* },$bottom" -draw "rectangle ${right% *},$y ${right#* },$bottom")
  done
  convert -size "${size}x${size}" xc:'#00ff00' +antialias \
    -fill none -stroke '#008000' -draw "rectangle 0,0 $((size - 1)),$((size - 1))" -stroke none \
    -fill '#c0c0c0' "${pins[@]}" -fill '#202428' -draw "rectangle $body" -fill '#c0c0c0' -draw "point $notch" \
    -type TrueColorAlpha "$tmp/icon$size.png"
}
chip 16 "5,3 10,12" "3 4" "11 12" 1 "4 6 8 10" "6,4"
chip 32 "10,5 21,26" "6 9" "22 25" 2 "7 11 15 19 23" "12,7"
convert "$tmp/icon16.png" "$tmp/icon32.png" "$icons/TorvaneXP.ico"

# Windows edition tiles, 64 x 64: the edition's colours shading downwards,
# a small screen above the edition's short name.
edition() {  # FILE TOP BOTTOM TEXT POINTSIZE
  convert -size 64x64 gradient:"$2"-"$3" \
    -fill none -stroke white -strokewidth 2 -draw 'roundrectangle 20,8 43,25 2,2' -draw 'line 28,29 35,29' \
    -stroke none -fill white -font DejaVu-Sans-Bold -pointsize "$5" -gravity South -annotate +0+7 "$4" \
    -strip -sampling-factor 1x1 -quality 95 "$here/$1"
}
edition logo-win95.jpg '#3a7a3a' '#144014' 95 20
edition logo-win98.jpg '#2f6fae' '#123a66' 98 20
edition logo-winnt.jpg '#6a6a78' '#2c2c38' NT 20
edition logo-win2k.jpg '#7a5aa8' '#3a2460' 2000 15
edition logo-winxp.jpg '#e07020' '#8a3008' XP 20

# Processor vendor plates, 64 x 32: the vendor's name in plain dark letters
# on a light plate with a thin frame; no maker's own mark.
vendor() {  # FILE TEXT POINTSIZE
  convert -size 64x32 xc:'#ffffff' -fill '#eef0f4' -stroke '#70788a' -draw 'roundrectangle 0,0 63,31 5,5' \
    -stroke none -fill '#20283a' -font DejaVu-Sans-Bold -pointsize "$3" -gravity Center -annotate +0+0 "$2" \
    -strip -sampling-factor 1x1 -quality 95 "$here/$1"
}
vendor logo-amd.jpg AMD 16
vendor logo-intel.jpg Intel 15
vendor logo-cyrix.jpg Cyrix 14

# Processor emblem, 32 x 32: a chip with pins on all four sides.
convert -size 32x32 xc:'#ffffff' +antialias -fill '#a0a0a8' \
  -draw 'rectangle 9,2 10,29 rectangle 15,2 16,29 rectangle 21,2 22,29' \
  -draw 'rectangle 2,9 29,10 rectangle 2,15 29,16 rectangle 2,21 29,22' \
  -fill '#30343c' -draw 'rectangle 6,6 25,25' -fill '#5a8ad0' -draw 'rectangle 11,11 20,20' \
  -strip -sampling-factor 1x1 -quality 95 "$here/processor.jpg"
