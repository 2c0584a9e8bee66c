#!/usr/bin/env bash
# End-to-end run of the Outline page's brush in the real desktop program under Xvfb, driven with
# real X events: open the start image, go to "5)Outline", choose the fat brush, draw one stroke
# (button down, moves, button up), fix it with a right click, switch the brush off and find the
# committed line in a screenshot. The middle of the line is only reached by the moves, so the
# line shows that moves with the button held and the release reach the page.
# Usage: outline_e2e.sh PATH-TO-zindle-canvas TESTS-FIXTURES-FOLDER
# Needs: Xvfb, xdotool, ImageMagick (import, convert).
set -u

program=${1:?usage: outline_e2e.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
fixtures=${2:?usage: outline_e2e.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
program=$(readlink -f "$program")
image=$(readlink -f "$fixtures/e2e_blocks.bmp")

work=$(mktemp -d "${TMPDIR:-/tmp}/zindle-outline-e2e.XXXXXX")
xvfb_pid=
app_pid=

cleanup() {
  if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null; fi
  if [[ -n $xvfb_pid ]] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid" 2>/dev/null; fi
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "outline-e2e: $*" >&2
  if [[ -s $work/program.log ]]; then
    echo "--- program output ---" >&2
    cat "$work/program.log" >&2
  fi
  echo "FAIL outline-e2e: $*"
  exit 1
}

for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || fail "missing tool: $tool"
done
[[ -x $program ]] || fail "program not found: $program"
[[ -f $image ]] || fail "fixture not found: $fixtures/e2e_blocks.bmp"

# Deadline helper: run "$@" every 0.2 s until it succeeds or the given seconds pass.
wait_for() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  while ((SECONDS < end)); do
    if "$@"; then return 0; fi
    sleep 0.2
  done
  return 1
}

# --- a private X server on a display of its own choosing ------------------------------------
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display_known() { [[ -s $work/display ]]; }
wait_for 10 display_known || fail "Xvfb did not start"
DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
export DISPLAY
unset QT_QPA_PLATFORM
# A sanitizer build reports memory that the system libraries under Qt keep until exit; the
# program's own leaks are still reported.
printf 'leak:libdbus-1.so\nleak:libfontconfig.so\n' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# --- start the program in an empty working folder --------------------------------------------
mkdir "$work/run"
(cd "$work/run" && exec timeout 60 "$program") >"$work/program.log" 2>&1 &
app_pid=$!

found=
find_window() {
  found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
  [[ -n $found ]]
}

wait_for 15 find_window "ZINDLE CANVAS SAMPLE" || fail "the main window did not appear"
main_window=$found

wait_for 15 find_window "BMP File Open" || fail "the open dialog did not appear"
dialog=$found
xdotool windowfocus --sync "$dialog" || fail "cannot focus the open dialog"
xdotool type --delay 5 "$image"
sleep 0.3
xdotool key Return
dialog_gone() { ! find_window "BMP File Open"; }
if ! wait_for 3 dialog_gone; then
  # The file name completion may have taken the first Return: confirm once more.
  xdotool windowfocus --sync "$dialog" 2>/dev/null && xdotool key Return
fi
wait_for 10 dialog_gone || fail "the open dialog did not close"

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
