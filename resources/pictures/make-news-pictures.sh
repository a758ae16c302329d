#!/usr/bin/env bash
# Draws the news window's pictures with ImageMagick: the tree's four 16 x 16
# images (a news page for headings, a globe for links, a parcel for "zip"
# links, a program window for "exe" links) and the "Update" button's arrow.
# Each result is a strip of the images side by side over their masks (white
# where the image is transparent). Run it after changing a design; the
# results are committed beside it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# icon NAME DRAWING...: a 16 x 16 picture on a transparent square, drawn
# pixel-exact, and its mask.
icon() {
  local name=$1; shift
  convert -size 16x16 xc:none +antialias "$@" "$tmp/$name.png"
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
