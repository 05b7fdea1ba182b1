#!/usr/bin/env bash
# Draws the application icon: the scalable SVG and the hicolor PNGs, all from the one list of
# shapes below (a 16 x 16 grid, like one NES attribute area). The outputs are committed, so a
# build needs no image converter; run this again only after changing the drawing.
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
id=io.github.pelmora.Pelmora

# x y width height colour: a screen with a title letter over a hill, and four palette chips.
shapes=(
  "1 1 14 10 #5fcde4"
  "1 9 14 2 #3e8948"
  "4 2 2 7 #fff1e8"
  "6 2 3 1 #fff1e8"
  "8 3 2 2 #fff1e8"
  "6 5 3 1 #fff1e8"
  "10 7 3 2 #3e8948"
  "2 12 3 3 #ff004d"
  "5 12 3 3 #ffa300"
  "8 12 3 3 #ffec27"
  "11 12 3 3 #00e436"
)
background="#1d2b53"
corner=2.5

write_svg() {
  {
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">'
    echo "  <rect x=\"0\" y=\"0\" width=\"16\" height=\"16\" rx=\"$corner\" fill=\"$background\"/>"
    for shape in "${shapes[@]}"; do
      read -r x y w h colour <<<"$shape"
      echo "  <rect x=\"$x\" y=\"$y\" width=\"$w\" height=\"$h\" fill=\"$colour\"/>"
    done
    echo '</svg>'
  } >"scalable/$id.svg"
}

# Draws the grid at `size` pixels per unit, then averages 16 x 16 blocks down to size x size, so
# every edge gets exact coverage anti-aliasing at every size.
write_png() {
  local size=$1 big=$(($1 * 16)) unit=$1
  local draw=(-fill "$background"
    -draw "roundrectangle 0,0 $((big - 1)),$((big - 1)) $((unit * 5 / 2)),$((unit * 5 / 2))")
  for shape in "${shapes[@]}"; do
    read -r x y w h colour <<<"$shape"
    draw+=(-fill "$colour"
      -draw "rectangle $((x * unit)),$((y * unit)) $(((x + w) * unit - 1)),$(((y + h) * unit - 1))")
  done
  mkdir -p "${size}x${size}"
  convert -size "${big}x${big}" xc:none "${draw[@]}" -scale "${size}x${size}" \
    -strip "PNG32:${size}x${size}/$id.png"
}

mkdir -p scalable
write_svg
for size in 16 22 24 32 48 64 128 256; do
  write_png "$size"
done
