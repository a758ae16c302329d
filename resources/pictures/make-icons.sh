#!/usr/bin/env bash
# Draws the program's small pictures with ImageMagick: the news window's (the
# tree's four images: a news page for headings, a globe for links, a parcel
# for "zip" links, a program window for "exe" links; and the "Update"
# button's arrow), the glyphs of the window's command buttons, the window's
# small pictures (menus and lists), all 16 x 16, and the caption strip's
# buttons, 21 x 21. Each result is a strip of the images side by side over
# their masks (white where the image is transparent). Run it after changing a
# design; the results are committed beside it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# icon NAME DRAWING...: a picture of $size x $size pixels on a transparent
# square, drawn pixel-exact, and its mask.
size=16
icon() {
  local name=$1; shift
  convert -size "${size}x${size}" xc:none +antialias "$@" "$tmp/$name.png"
  convert "$tmp/$name.png" -background white -flatten "$tmp/$name-picture.png"
  convert "$tmp/$name.png" -alpha extract -negate "$tmp/$name-mask.png"
}

# strip OUTPUT NAME...: the pictures in a row over their masks.
strip() {
  local output=$1 pictures=() masks=(); shift
  for name in "$@"; do pictures+=("$tmp/$name-picture.png"); masks+=("$tmp/$name-mask.png"); done
  convert \( "${pictures[@]}" +append \) \( "${masks[@]}" +append \) -append \
    -strip -sampling-factor 1x1 -quality 100 "$here/$output"
}

# A page of news: a white sheet, a blue headline and grey lines of text.
icon heading -fill white -stroke '#505050' -draw 'rectangle 2,1 13,14' -stroke none \
  -fill '#2050a0' -draw 'rectangle 4,3 11,4' \
  -fill '#909090' -draw 'rectangle 4,6 11,6' -draw 'rectangle 4,8 11,8' -draw 'rectangle 4,10 9,10' \
  -draw 'rectangle 4,12 11,12'
# A web page: a blue globe with pale meridians and parallels.
icon link -fill '#3a78d0' -stroke '#1c3f80' -draw 'circle 7,7 7,1' \
  -fill none -stroke '#bfe0ff' -draw 'ellipse 7,7 2,5 0,360' -draw 'line 2,7 12,7' \
  -draw 'line 4,4 10,4' -draw 'line 4,10 10,10'
# An archive: a cardboard parcel with its lid and a strap.
icon zip -fill '#d8a860' -stroke '#7a5020' -draw 'rectangle 1,5 14,14' \
  -fill '#e8c888' -draw 'rectangle 1,2 14,5' -stroke none \
  -fill '#7a5020' -draw 'rectangle 7,3 8,13' -fill '#f0e0b0' -draw 'rectangle 6,6 9,7'
# A program: a window with its blue title bar and a few controls.
icon exe -fill white -stroke '#404040' -draw 'rectangle 0,2 15,14' -stroke none \
  -fill '#1c48a8' -draw 'rectangle 1,3 14,5' -fill '#e0e0e0' -draw 'rectangle 12,4 13,4' \
  -fill '#a0a0a0' -draw 'rectangle 3,8 8,8' -draw 'rectangle 3,10 10,10' \
  -fill '#30a040' -draw 'rectangle 10,11 13,12'
strip newsimages.jpg heading link zip exe

# Update: a green arrow turning round clockwise.
icon update -fill none -stroke '#108030' -strokewidth 2 -draw 'arc 2,3 13,14 0,275' -stroke none \
  -fill '#108030' -draw 'polygon 8,0 13,4 8,8'
strip newsupdate.jpg update

# The command buttons' glyphs, in the order the program cuts them: optimise (a
# lightning bolt), cancel (a white cross on a red disc), quit (a power sign),
# save (a floppy disk), refresh (two turning arrows), live information (an "i"
# on a blue disc).
icon optimise -fill '#ffd020' -stroke '#8a5a00' \
  -draw 'polygon 9,0 2,9 7,9 5,15 13,6 8,6 11,0'
icon cancel -fill '#d82828' -stroke '#801010' -draw 'circle 7,7 7,0' \
  -stroke white -strokewidth 2 -draw 'line 5,5 10,10' -draw 'line 10,5 5,10'
icon quit -fill none -stroke '#b01818' -strokewidth 2 -draw 'arc 2,3 13,14 300,240' \
  -draw 'line 7,1 7,8' -draw 'line 8,1 8,8'
icon save -fill '#2c5cb8' -stroke '#142c60' -draw 'rectangle 1,1 14,14' -stroke none \
  -fill '#f4f4f4' -draw 'rectangle 4,2 11,7' -fill '#9aa4b4' -draw 'rectangle 5,10 10,14' \
  -fill '#2c5cb8' -draw 'rectangle 6,11 7,13'
icon refresh -fill none -stroke '#168a30' -strokewidth 2 -draw 'arc 2,2 13,13 200,340' \
  -draw 'arc 2,2 13,13 20,160' -stroke none -fill '#168a30' \
  -draw 'polygon 11,0 15,5 9,6' -draw 'polygon 4,15 0,10 6,9'
icon live -fill '#2a70d0' -stroke '#123a78' -draw 'circle 7,7 7,0' -stroke none -fill white \
  -draw 'rectangle 7,3 8,4' -draw 'rectangle 7,6 8,12' -draw 'rectangle 6,6 6,6' -draw 'rectangle 6,12 9,12'
strip skinglyphs.jpg optimise cancel quit save refresh live

# The window's small pictures, in the order the program lists them: restore
# (a window), free memory (an arrow up), cancel (a stop sign), quit (a door),
# a green tick, a red cross.
icon restore -fill white -stroke '#20408a' -draw 'rectangle 1,2 14,13' -fill '#20408a' -draw 'rectangle 1,2 14,4'
icon free -fill '#20a020' -stroke '#106010' -draw 'polygon 8,1 14,8 10,8 10,14 6,14 6,8 2,8'
icon stop -fill '#d02020' -stroke '#801010' -draw 'polygon 5,1 10,1 14,5 14,10 10,14 5,14 1,10 1,5' \
  -stroke white -draw 'line 5,7 10,7 line 5,8 10,8'
icon door -fill '#a06a30' -stroke '#5a3410' -draw 'rectangle 3,1 12,14' -fill '#f0d040' -stroke none \
  -draw 'rectangle 9,7 10,8'
icon tick -fill none -stroke '#10a010' -strokewidth 3 -draw 'line 2,8 6,12' -draw 'line 6,12 13,3'
icon cross -fill none -stroke '#e01818' -strokewidth 3 -draw 'line 3,3 12,12 line 12,3 3,12'
strip smallimages.jpg restore free stop door tick cross

# The caption strip's buttons, opaque, 21 x 21: hide (a bar low in the
# square) then quit (a cross), each normal, under the mouse (lighter) and
# held down (darker and shifted), on the caption strip's blue.
size=21
looks=('#1b3d7a #6f8fc8 0' '#2f5ea8 #a8c0ec 0' '#0d2350 #40609a 1')
caption_button() {  # NAME BACKGROUND EDGE SHIFT DRAWING
  icon "$1" -fill "$2" -stroke "$3" -draw 'rectangle 0,0 20,20' -antialias \
    -stroke white -strokewidth 2 -draw "translate $4,$4 $5"
}
for i in 0 1 2; do set -- ${looks[$i]}; caption_button "hide$i" "$1" "$2" "$3" 'line 6,14 14,14'; done
for i in 0 1 2; do set -- ${looks[$i]}; caption_button "quit$i" "$1" "$2" "$3" 'line 6,6 14,14 line 14,6 6,14'; done
strip captionbuttons.jpg hide0 hide1 hide2 quit0 quit1 quit2
