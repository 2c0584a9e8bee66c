#!/usr/bin/env bash
# End-to-end run of the Appear page in the real desktop program under Xvfb, driven with real X
# events: open the four-block picture, carry it through the Transfer tab to the Appear page,
# switch on real appear, drag the transfer image with the left button held, and find it moved in
# a screenshot (the uncovered area shows the back image, black because no back image was chosen).
# Usage: appear_e2e.sh PATH-TO-zindle-canvas TESTS-FIXTURES-FOLDER
# Needs: Xvfb, xdotool, ImageMagick (import, convert).
set -u

e2e_name=appear-e2e
# shellcheck source=e2e_start.sh
source "$(dirname "$0")/e2e_start.sh" "$@"

# --- the picture shows at the frame's top-left corner (100, 32) -----------------------------
# e2e_blocks.bmp is 120 x 80: four 60 x 40 blocks, red, green (top), blue, yellow (bottom).
red="srgb(200,30,30)"
green="srgb(30,180,60)"
blue="srgb(40,60,210)"
yellow="srgb(230,200,40)"
white="srgb(255,255,255)"
black="srgb(0,0,0)"
shown=
# The colours at the given window points, as one line.
pixels_are() {
  local expected=$1
  shift
  import -window "$main_window" "$work/shot.png" 2>/dev/null || return 1
  local format=
  for point in "$@"; do format+="%[pixel:p{$point}] "; done
  shown=$(convert "$work/shot.png" -format "${format% }" info: 2>/dev/null)
  [[ $shown == "$expected" ]]
}
wait_for 10 pixels_are "$red $yellow $white" 130,52 190,92 400,300 ||
  fail "picture not shown: got '$shown'"

click_at() {
  xdotool mousemove --window "$main_window" "$1" "$2" click 1 || fail "cannot click at $1,$2"
}

# --- through the Transfer tab to the Appear tab: the planes become the transfer image --------
click_at 720 10
sleep 0.3
click_at 800 10
wait_for 10 pixels_are "$red $white" 130,52 400,300 || fail "Appear page not shown: got '$shown'"
[[ -s $work/run/0000trfr.bmp ]] || fail "0000trfr.bmp was not written by the Appear tab"

# --- 3)real appear: white passes and shows the (empty, so black) back image -----------------
click_at 50 310
wait_for 10 pixels_are "$red $green $black" 130,52 190,52 400,300 ||
  fail "real appear not shown: got '$shown'"

# --- a drag with the button held: 200 to the right and 100 down, applied at the release -----
xdotool mousemove --window "$main_window" 150 60 mousedown 1 || fail "cannot press"
for step in 1 2 3 4 5; do
  xdotool mousemove --window "$main_window" $((150 + 40 * step)) $((60 + 20 * step))
  sleep 0.05
done
xdotool mouseup 1 || fail "cannot release"
wait_for 10 pixels_are "$red $green $blue $yellow $black" 330,152 390,152 330,192 390,192 130,52 ||
  fail "transfer image not moved by the drag: got '$shown'"

result=PASS
echo "$result appear-e2e: transfer image dragged 200 right and 100 down in real appear"
