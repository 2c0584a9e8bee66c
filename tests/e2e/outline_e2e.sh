#!/usr/bin/env bash
# End-to-end run of the Outline page's brush in the real desktop program under Xvfb, driven with
# real X events: open the start image, go to "5)Outline", choose the fat brush, draw one stroke
# (button down, moves, button up), fix it with a right click, switch the brush off and find the
# committed line in a screenshot. The middle of the line is only reached by the moves, so the
# line shows that moves with the button held and the release reach the page.
# Usage: outline_e2e.sh PATH-TO-zindle-canvas TESTS-FIXTURES-FOLDER
# Needs: Xvfb, xdotool, ImageMagick (import, convert).
set -u

e2e_name=outline-e2e
# shellcheck source=e2e_start.sh
source "$(dirname "$0")/e2e_start.sh" "$@"

# --- pixels of the window --------------------------------------------------------------------
# pixels "x,y x,y ..." sets $shown to their colours, e.g. "srgb(0,0,0) srgb(255,255,255)".
shown=
pixels() {
  import -window "$main_window" "$work/shot.png" 2>/dev/null || return 1
  local format= point
  for point in $1; do format+="%[pixel:p{$point}] "; done
  shown=$(convert "$work/shot.png" -format "${format% }" info: 2>/dev/null)
}
# shows "x,y ..." "colour ..." waits until the points have the colours.
shows() {
  pixels "$1" && [[ $shown == "$2" ]]
}
at() { xdotool mousemove --window "$main_window" "$1" "$2"; }

white="srgb(255,255,255)"
black="srgb(0,0,0)"
# The image is in the frame: the red block at the top-left corner.
wait_for 10 shows "130,52" "srgb(200,30,30)" || fail "image not shown: got '$shown'"

# --- "5)Outline": its dark reset mark stands at (2, 28) in (16, 32, 192) -----------------------
at 560 10
xdotool click 1
wait_for 10 shows "3,40" "srgb(16,32,192)" || fail "the Outline page did not show: got '$shown'"

# --- "fat": the brush is on, the button drawn as on (a near-black frame) ----------------------
at 20 360
xdotool click 1
wait_for 10 shows "2,360" "srgb(16,16,16)" || fail "the fat brush did not switch on: got '$shown'"

# --- one stroke over the white canvas, from (300, 300) to (500, 300) ---------------------------
at 300 300
xdotool mousedown 1
for x in $(seq 304 4 500); do
  at "$x" 300
done
xdotool mouseup 1
# The marks are shown in the outline colour (black) after the release's repaint.
line="300,299 400,299 500,299 400,294 400,304"
wait_for 10 shows "$line" "$black $black $black $black $black" ||
  fail "the stroke is not shown after the release: got '$shown'"

# --- a right click fixes the line; with the brush off only committed lines remain -------------
at 500 300
xdotool click 3
sleep 0.5
at 20 310
xdotool click 1
wait_for 10 shows "2,310" "srgb(200,240,110)" || fail "the brush did not switch off: got '$shown'"
wait_for 10 shows "$line 400,320 400,280" "$black $black $black $black $black $white $white" ||
  fail "the committed line is not in the picture: got '$shown'"

echo "PASS outline-e2e: a brush stroke drawn with real X events was committed and shown"
