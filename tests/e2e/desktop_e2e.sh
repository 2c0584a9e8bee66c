#!/usr/bin/env bash
# End-to-end run of the real desktop program under Xvfb, driven with real X events:
#   open the start image through the open dialog, check that it shows in the image frame,
#   close the window, answer "No" to deleting the keep files and "Yes" to ending,
#   and check the exit code and that KEEP0.bmp stayed.
# Usage: desktop_e2e.sh PATH-TO-zindle-canvas TESTS-FIXTURES-FOLDER
# Needs: Xvfb, xdotool, ImageMagick (import, convert), python3 (to send the close request).
set -u

e2e_name=desktop-e2e
e2e_extra_tools="python3"
e2e_program_seconds=50
# shellcheck source=e2e_start.sh
source "$(dirname "$0")/e2e_start.sh" "$@"

# --- the image shows at the frame's top-left corner (100, 32) --------------------------------
# e2e_blocks.bmp is 120 x 80: four 60 x 40 blocks, red, green (top), blue, yellow (bottom).
expect_blocks_shown "image not shown in the frame"
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
