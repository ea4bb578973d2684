#!/usr/bin/env bash
# Draws Corvane's JPEG pictures (splash and About tab) and its icon into the given folder.
set -euo pipefail
out=$1
fonts=/usr/share/wine/fonts
mkdir -p "$out"

# A processor chip of the given size at x, y: body, die and five pins on each side.
chip() {
  local x=$1 y=$2 s=$3
  local step=$((s / 5)) pin=$((s / 8)) die=$((s * 18 / 100))
  local pins=()
  for i in 0 1 2 3 4; do
    local p=$((step / 2 + i * step))
    pins+=(-draw "line $((x + p)),$((y - pin)) $((x + p)),$((y - 2))")
    pins+=(-draw "line $((x + p)),$((y + s + 2)) $((x + p)),$((y + s + pin))")
    pins+=(-draw "line $((x - pin)),$((y + p)) $((x - 2)),$((y + p))")
    pins+=(-draw "line $((x + s + 2)),$((y + p)) $((x + s + pin)),$((y + p))")
  done
  printf '%s\n' -fill none -stroke '#5fb4e8' -strokewidth 3 \
    -draw "roundrectangle $x,$y $((x + s)),$((y + s)) 10,10" \
    -fill '#16476e' -stroke none -draw "rectangle $((x + die)),$((y + die)) $((x + s - die)),$((y + s - die))" \
    -stroke '#9fd3f2' -strokewidth 3 "${pins[@]}" -stroke none
}

mapfile -t splash_chip < <(chip 40 96 120)
convert -size 451x342 gradient:'#0b2a4a'-'#1d6fa5' "${splash_chip[@]}" \
  -fill white -font "$fonts/tahomabd.ttf" -pointsize 44 -annotate +200+136 'Corvane' \
  -fill '#cfe8f7' -font "$fonts/tahoma.ttf" -pointsize 14 -annotate +204+162 'Hardware Information Viewer' \
  -fill '#8cc3e6' -pointsize 11 -annotate +20+326 'Reading your system ...' \
  -quality 90 "$out/splash.jpg"

mapfile -t about_chip < <(chip 30 50 80)
convert -size 141x325 gradient:'#1d6fa5'-'#0b2a4a' "${about_chip[@]}" \
  -fill white -font "$fonts/tahomabd.ttf" -pointsize 22 -annotate +22+240 'Corvane' \
  -fill '#cfe8f7' -font "$fonts/tahoma.ttf" -pointsize 11 -annotate +24+258 'Hardware Information' \
  -quality 90 "$out/about.jpg"

# The program's icon: a chip with four pins on each side, on a rounded blue tile.
pins=()
for p in 17 21 26 30; do
  pins+=(-draw "line $p,8 $p,12" -draw "line $p,35 $p,39" -draw "line 8,$p 12,$p" -draw "line 35,$p 39,$p")
done
convert -size 48x48 xc:none -fill '#1d6fa5' -draw 'roundrectangle 1,1 46,46 9,9' \
  -stroke '#cfe8f7' -strokewidth 2 "${pins[@]}" \
  -fill '#0b2a4a' -stroke '#9fd3f2' -draw 'rectangle 13,13 34,34' \
  -fill '#5fb4e8' -stroke none -draw 'rectangle 19,19 28,28' \
  -define icon:auto-resize=48,32,16 "$out/Corvane.ico"
