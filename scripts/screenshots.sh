#!/usr/bin/env bash
# Takes the screenshots of the user's guide from the real editor: starts build/bin/pelmora on a
# virtual X server, drives it with xdotool as a user would, grabs the screen with ImageMagick's
# import, and writes docs/screenshots/guide-*.png. Run it again whenever the window changes.
# Builds nothing: run scripts/run.sh (or build the editor preset) first.
#
# Usage: scripts/screenshots.sh [BUILD_BIN_DIR]     (default build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."

bin=$(realpath "${1:-build/bin}")
out=docs/screenshots
for program in xvfb-run xdotool import convert; do
  command -v "$program" >/dev/null || {
    echo "screenshots.sh: $program is missing; run scripts/install-deps.sh --tests" >&2
    exit 2
  }
done
[ -x "$bin/pelmora" ] && [ -x "$bin/pelmora-cli" ] || {
  echo "screenshots.sh: $bin/pelmora is missing; build the editor first (scripts/run.sh)" >&2
  exit 2
}

if [ -z "${PELMORA_SCREENSHOT_SERVER:-}" ]; then
  # Re-run this script inside a virtual X server without a window manager, on a 1920 x 1280
  # screen: room for the window at 2x.
  export PELMORA_SCREENSHOT_SERVER=1
  exec xvfb-run -a -s "-screen 0 1920x1280x24" "$0" "$bin"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-shots.XXXXXX")
editor_pid=""
cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$out"

# A private copy of the demo and private settings, so the shots never depend on earlier runs.
"$bin/pelmora-cli" make-demo "$work/demo.nes" >/dev/null
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME/Documents"

# Waits until a window whose name matches $1 is visible and prints its id.
wait_for_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) && [ -n "$id" ] && {
      echo "$id"
      return 0
    }
    sleep 0.1
  done
  echo "screenshots.sh: no window named '$1' appeared" >&2
  cat "$work/editor.log" >&2
  return 1
}

# Presses keys in the focused window and lets the editor repaint.
press() {
  xdotool key --clearmodifiers "$@"
  sleep 0.4
}

# The main window's top-left corner on the screen, as "X Y".
window_origin() {
  xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'
}

# Grabs the main window (with any menu or dialog over it, as on screen) into $out/$2.
grab() {
  local window=$1 name=$2 x y width height
  read -r x y < <(window_origin "$window")
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
  width=$WIDTH height=$HEIGHT
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$out/$name"
  echo "screenshots.sh: wrote $out/$name"
}

# How far below the window's top the control area starts (menu bar): found from the first of the
# tick marks drawn left of the upper screen view, at x 8-15 and y 40 of the control area.
control_area_top() {
  local row
  row=$(convert "$1" -crop 1x200+12+0 +repage -colorspace gray -threshold 30% txt:- |
        sed -n 's/^0,\([0-9]*\):.*black.*/\1/p' | head -n 1)
  echo $((${row:-40} - 40))
}

"$bin/pelmora" "$work/demo.nes" >"$work/editor.log" 2>&1 &
editor_pid=$!
# Opening shows one message box ("File loaded!") over the main window; Return closes it. The
# main window is the one whose caption names the file (the box's caption is the program's).
wait_for_window "Pelmora" >/dev/null
sleep 1
press Return
main=$(wait_for_window "demo\.nes")
xdotool windowactivate --sync "$main" 2>/dev/null || true
# Without a window manager nothing gives the window the keyboard: give it the focus directly.
xdotool windowfocus --sync "$main" 2>/dev/null || true

# An editor that does not open its argument: File > Open (Ctrl+O, or the Open button at the top
# left), the path typed into the dialog, and Return for the message.
if ! xdotool getwindowname "$main" | grep -q "demo.nes"; then
  press ctrl+o
  if [ "$(xdotool search --onlyvisible --name "." | wc -l)" -le 1 ]; then
    read -r wx wy < <(window_origin "$main")
    xdotool mousemove $((wx + 28)) $((wy + 20)) click 1
    sleep 1
  fi
  xdotool type --delay 20 "$work/demo.nes"
  press Return
  sleep 0.5
  press Return
fi

# The main window with the demo open and the pointer over the upper screen view, so the status
# bar reads out the tile under it.
grab "$main" guide-main-window.png
top=$(control_area_top "$out/guide-main-window.png")
read -r wx wy < <(window_origin "$main")
xdotool mousemove $((wx + 16 + 100)) $((wy + top + 40 + 60))
sleep 0.4
grab "$main" guide-main-window.png

# The same with numbered labels for the tour in the guide (control-area coordinates + menu bar).
labels=()
label() {  # number x y: a numbered disc centred at control-area (x, y)
  local cx=$2 cy=$(($3 + top))
  labels+=(-fill "#d01c1c" -stroke white -strokewidth 2 -draw "circle $cx,$cy $((cx + 11)),$cy"
           -fill white -stroke none -annotate "+$((cx - 5))+$((cy + 6))" "$1")
}
label 1 164 20
label 2 144 60
label 3 408 60
label 4 144 300
label 5 408 300
label 6 688 60
label 7 616 316
label 8 720 312
label 9 680 430
# The menu bar above the control area and the status bar at the bottom of the window.
if [ "$top" -gt 12 ]; then
  label 10 240 $((-top / 2))
  label 11 240 $(($(identify -format %h "$out/guide-main-window.png") - top - 12))
fi
convert "$out/guide-main-window.png" -font DejaVu-Sans-Bold -pointsize 16 "${labels[@]}" \
  "$out/guide-main-window-labelled.png"
echo "screenshots.sh: wrote $out/guide-main-window-labelled.png"

# The File menu, opened from the keyboard.
press alt+f
grab "$main" guide-file-menu.png
press Escape

# The View menu: grid and zoom.
press alt+v
grab "$main" guide-view-menu.png
press Escape

# The grid at 2x zoom (View > Grid, View > Zoom In).
press g
press ctrl+plus
xdotool mousemove $((wx + 16 * 2 + 150)) $((wy + top + 40 * 2 + 100))
sleep 0.4
grab "$main" guide-zoom-grid.png
press ctrl+0
press g

# The palette selector, opened on the first palette square with a double click.
xdotool mousemove $((wx + 544 + 8 + 8)) $((wy + top + 336 + 16 + 8)) click --repeat 2 --delay 80 1
sleep 0.8
grab "$main" guide-palette-selector.png
press Escape

# View > Show Changes after a few edits: a tile from the sheet in five cells of the upper
# screen, attribute value 3 in two quadrants. Undone afterwards, so Exit asks nothing.
click_at() {  # control-area x y
  xdotool mousemove $((wx + $1)) $((wy + top + $2)) click 1
  sleep 0.3
}
click_at $((560 + 16 * 1 + 8)) $((40 + 16 * 4 + 8))
for column in 10 11 12 13; do click_at $((16 + 8 * column + 4)) $((40 + 8 * 12 + 4)); done
click_at $((16 + 8 * 20 + 4)) $((40 + 8 * 18 + 4))
click_at $((624 + 24 + 40 * 3 + 6)) $((296 + 11 + 8))
click_at $((280 + 16 * 4 + 8)) $((40 + 16 * 9 + 8))
click_at $((280 + 16 * 5 + 8)) $((40 + 16 * 9 + 8))
press alt+v
press c
xdotool mousemove $((wx + 400)) $((wy + top + 330))
sleep 0.6
grab "$main" show-changes.png
for _ in $(seq 10); do press ctrl+z; done

press ctrl+q
wait "$editor_pid" 2>/dev/null || true
editor_pid=""
