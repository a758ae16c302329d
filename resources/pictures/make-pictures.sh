#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick: the caption strip, the
# gauges' bar and the application icon. Run it after changing a design; the results are
# committed beside it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
icons="$here/../icons"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Caption strip, 360 x 25: dark blue shading into teal, the name in white.
convert -size 25x360 gradient:'#0f7f86-#0b1f5c' -rotate 90 \
  -font Liberation-Sans-Bold -pointsize 15 -fill white -gravity West -annotate +8+0 'Torvane XP' \
  -strip -sampling-factor 1x1 -quality 92 "$here/caption.jpg"

# Caption buttons, 21 x 21 each, in one strip of six: hide (a bar low in the
# square) then quit (a cross), each normal, under the mouse (lighter) and
# held down (darker and shifted), on the caption strip's blue.
button() {  # BACKGROUND EDGE SHIFT DRAWING...
  local back=$1 edge=$2 shift=$3; shift 3
  convert -size 21x21 xc:"$back" -fill none -stroke "$edge" -draw 'rectangle 0,0 20,20' \
    -stroke white -strokewidth 2 -draw "translate $shift,$shift $*" "$tmp/b$((count++)).png"
}
count=0
for look in '#1b3d7a #6f8fc8 0' '#2f5ea8 #a8c0ec 0' '#0d2350 #40609a 1'; do
  set -- $look; button "$1" "$2" "$3" 'line 6,14 14,14'
done
for look in '#1b3d7a #6f8fc8 0' '#2f5ea8 #a8c0ec 0' '#0d2350 #40609a 1'; do
  set -- $look; button "$1" "$2" "$3" 'line 6,6 14,14 line 14,6 6,14'
done
convert "$tmp"/b{0..5}.png +append -strip -sampling-factor 1x1 -quality 95 "$here/captionbuttons.jpg"

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
