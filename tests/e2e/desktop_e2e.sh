#!/usr/bin/env bash
# End-to-end run of the real desktop program under Xvfb, driven with real X events:
#   open the start image through the open dialog, check that it shows in the image frame,
#   close the window, answer "No" to deleting the keep files and "Yes" to ending,
#   and check the exit code and that KEEP0.bmp stayed.
# Usage: desktop_e2e.sh PATH-TO-zindle-canvas TESTS-FIXTURES-FOLDER
# Needs: Xvfb, xdotool, ImageMagick (import, convert), python3 (to send the close request).
set -u

program=${1:?usage: desktop_e2e.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
fixtures=${2:?usage: desktop_e2e.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
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
  echo "desktop-e2e: $*" >&2
  if [[ -s $work/program.log ]]; then
    echo "--- program output ---" >&2
    cat "$work/program.log" >&2
  fi
  echo "FAIL desktop-e2e: $*"
  exit 1
}

for tool in Xvfb xdotool import convert python3; do
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

# --- the image shows at the frame's top-left corner (100, 32) --------------------------------
# e2e_blocks.bmp is 120 x 80: four 60 x 40 blocks, red, green (top), blue, yellow (bottom).
expected="srgb(200,30,30) srgb(30,180,60) srgb(40,60,210) srgb(230,200,40) srgb(255,255,255)"
shown=
image_shown() {
  import -window "$main_window" "$work/shot.png" 2>/dev/null || return 1
  shown=$(convert "$work/shot.png" \
    -format '%[pixel:p{130,52}] %[pixel:p{190,52}] %[pixel:p{130,92}] %[pixel:p{190,92}] %[pixel:p{400,300}]' \
    info: 2>/dev/null)
  [[ $shown == "$expected" ]]
}
wait_for 10 image_shown || fail "image not shown in the frame: got '$shown', expected '$expected'"
title=$(xdotool getwindowname "$main_window")
[[ $title == "e2e_blocks.bmp / "* ]] || fail "unexpected window title '$title'"
[[ -s $work/run/KEEP0.bmp ]] || fail "KEEP0.bmp was not written when the image was opened"

# --- close: the window manager's close request (WM_DELETE_WINDOW) ----------------------------
python3 - "$main_window" <<'PY' || fail "cannot send the close request"
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                         ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

display = x.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
event = XEvent()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.xclient.data[1] = 0  # CurrentTime
if not x.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("XSendEvent failed")
x.XFlush(display)
x.XCloseDisplay(display)
PY

# First question: delete the keep files? No (Escape is the No button).
wait_for 10 find_window "確認" || fail "the delete-keep-files question did not appear"
first_box=$found
xdotool windowfocus --sync "$first_box" || fail "cannot focus the first question"
xdotool key Escape
# Second question: end? Yes (the default button).
wait_for 10 find_other_window "確認" "$first_box" || fail "the end question did not appear"
xdotool windowfocus --sync "$found" || fail "cannot focus the end question"
xdotool key Return

# --- the program ends with code 0 and the keep file stays ------------------------------------
app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for 10 app_ended || fail "the program did not end after the close was confirmed"
wait "$app_pid"
code=$?
app_pid=
((code == 0)) || fail "exit code $code, expected 0"
[[ -s $work/run/KEEP0.bmp ]] || fail "KEEP0.bmp is gone although its deletion was refused"

result=PASS
echo "$result desktop-e2e: image shown, close answered No then Yes, exit code 0, KEEP0.bmp kept"
