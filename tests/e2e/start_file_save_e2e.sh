#!/usr/bin/env bash
# End-to-end run of the real desktop program under Xvfb: started with a picture as its argument
# (no open dialog), Ctrl+S asks for the save dialog, a name ending in .png is typed, and the file
# written is a PNG of the picture's own size with its pixels.
# Usage: start_file_save_e2e.sh PATH-TO-zindle-canvas TESTS-FIXTURES-FOLDER
set -u

e2e_name=start-file-save-e2e
e2e_extra_tools="identify"
e2e_program_seconds=50
e2e_start_file=$(readlink -f "${2:?}/e2e_blocks.bmp")
# shellcheck source=e2e_start.sh
source "$(dirname "$0")/e2e_start.sh" "$@"

# --- the start file shows without a dialog: e2e_blocks.bmp, 120 x 80, four blocks ------------
expect_blocks_shown "start file not shown in the frame"
if find_window "BMP File Open"; then fail "the open dialog appeared although a file was given"; fi

# --- Ctrl+S: the save dialog; a PNG name -----------------------------------------------------
xdotool windowfocus --sync "$main_window" || fail "cannot focus the main window"
xdotool key ctrl+s
wait_for 15 find_window "名前をつけて保存する" || fail "Ctrl+S did not open the save dialog"
dialog=$found
xdotool windowfocus --sync "$dialog" || fail "cannot focus the save dialog"
out=$work/run/blocks.png
xdotool type --delay 5 "$out"
sleep 0.3
xdotool key Return
saved() { [[ -s $out ]]; }
if ! wait_for 5 saved; then
  xdotool windowfocus --sync "$dialog" 2>/dev/null && xdotool key Return
fi
wait_for 10 saved || fail "no file written at $out"

# --- the file: a PNG of 120 x 80 with the four blocks ----------------------------------------
[[ $(head -c 8 "$out" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "not a PNG"
size=$(identify -format '%wx%h' "$out" 2>/dev/null)
[[ $size == 120x80 ]] || fail "the PNG is $size, expected 120x80 (the picture, not the canvas)"
pixels=$(convert "$out" -format '%[pixel:p{30,20}] %[pixel:p{90,20}] %[pixel:p{30,60}] %[pixel:p{90,60}]' info:)
[[ $pixels == "srgb(200,30,30) srgb(30,180,60) srgb(40,60,210) srgb(230,200,40)" ]] ||
  fail "the PNG's blocks are '$pixels'"

result=PASS
echo "$result start-file-save-e2e: started with a file, Ctrl+S saved a 120 x 80 PNG of the picture"
