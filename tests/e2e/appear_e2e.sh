#!/usr/bin/env bash
# End-to-end run of the Appear page in the real desktop program under Xvfb, driven with real X
# events: open the four-block picture, carry it through the Transfer tab to the Appear page,
# switch on real appear, drag the transfer image with the left button held, and find it moved in
# a screenshot (the uncovered area shows the back image, black because no back image was chosen).
# Usage: appear_e2e.sh PATH-TO-zindle-canvas TESTS-FIXTURES-FOLDER
# Needs: Xvfb, xdotool, ImageMagick (import, convert).
set -u

program=${1:?usage: appear_e2e.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
fixtures=${2:?usage: appear_e2e.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
program=$(readlink -f "$program")
image=$(readlink -f "$fixtures/e2e_blocks.bmp")

work=$(mktemp -d "${TMPDIR:-/tmp}/zindle-e2e.XXXXXX")
xvfb_pid=
app_pid=
result=FAIL

cleanup() {
  if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null; fi
  if [[ -n $xvfb_pid ]] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid" 2>/dev/null; fi
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "appear-e2e: $*" >&2
  if [[ -s $work/program.log ]]; then
    echo "--- program output ---" >&2
    cat "$work/program.log" >&2
  fi
  echo "FAIL appear-e2e: $*"
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
(cd "$work/run" && exec timeout 50 "$program") >"$work/program.log" 2>&1 &
app_pid=$!

# The one visible window whose title matches, as an id in $found.
found=
find_window() {
  found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
  [[ -n $found ]]
}
# A visible window whose title matches and that is not the window given.
find_other_window() {
  find_window "$1" && [[ $found != "$2" ]]
}

wait_for 15 find_window "ZINDLE CANVAS SAMPLE" || fail "the main window did not appear"
main_window=$found

# --- the first paint asks for the image ------------------------------------------------------
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
