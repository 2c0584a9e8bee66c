# Sourced by every desktop test: starts a private Xvfb, starts the real program in an empty working
# folder, waits for its window and answers the first open dialog with tests/fixtures/e2e_blocks.bmp.
# The sourcing script sets e2e_name (as "desktop-e2e"), and may set e2e_extra_tools (more tools it
# needs), e2e_program_seconds (how long the program may run, 60 by default) and e2e_start_file (a
# picture the program is started with instead of answering its dialog); it passes its own
# arguments: PATH-TO-zindle-canvas FIXTURES-FOLDER. Afterwards $work, $main_window, $app_pid,
# fail, wait_for and find_window are there for the script.

program=${1:?usage: $e2e_name.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
fixtures=${2:?usage: $e2e_name.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
program=$(readlink -f "$program")
image=$(readlink -f "$fixtures/e2e_blocks.bmp")

work=$(mktemp -d "${TMPDIR:-/tmp}/zindle-$e2e_name.XXXXXX")
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
  echo "$e2e_name: $*" >&2
  if [[ -s $work/program.log ]]; then
    echo "--- program output ---" >&2
    cat "$work/program.log" >&2
  fi
  echo "FAIL $e2e_name: $*"
  exit 1
}

for tool in Xvfb xdotool import convert ${e2e_extra_tools:-}; do
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
start_arguments=()
[[ -n ${e2e_start_file:-} ]] && start_arguments=("$e2e_start_file")
(cd "$work/run" && exec timeout "${e2e_program_seconds:-60}" "$program" "${start_arguments[@]}") \
  >"$work/program.log" 2>&1 &
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

# Waits until the frame's top-left corner shows e2e_blocks.bmp (120 x 80: four 60 x 40 blocks,
# red, green on top, blue, yellow below, white canvas beside them); fails with the message given.
expect_blocks_shown() {
  local expected="srgb(200,30,30) srgb(30,180,60) srgb(40,60,210) srgb(230,200,40) srgb(255,255,255)"
  shown=
  blocks_shown() {
    import -window "$main_window" "$work/shot.png" 2>/dev/null || return 1
    shown=$(convert "$work/shot.png" \
      -format '%[pixel:p{130,52}] %[pixel:p{190,52}] %[pixel:p{130,92}] %[pixel:p{190,92}] %[pixel:p{400,300}]' \
      info: 2>/dev/null)
    [[ $shown == "$expected" ]]
  }
  wait_for 10 blocks_shown || fail "$1: got '$shown', expected '$expected'"
}

wait_for 15 find_window "ZINDLE CANVAS SAMPLE" || fail "the main window did not appear"
main_window=$found

# --- the first paint asks for the image (unless the start file answered) ----------------------
if [[ -n ${e2e_start_file:-} ]]; then
  return 0
fi
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
