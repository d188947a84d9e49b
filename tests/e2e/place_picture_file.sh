#!/usr/bin/env bash
# Ctrl+O: a picture file chosen in the open dialog is painted into the placement slot of the
# screen picture at (362, 52) and taken from there into the preview and the result.
source "$(dirname "$0")/xvfb_session.bash"

convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#808080' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
# Left half red, right half blue.
convert -size 32x32 xc:'#ff0000' -fill '#0000ff' -draw 'rectangle 16,0 31,31' \
  -type TrueColor "BMP3:$WORK/picture.bmp"
seed_settings
start_zorna
xdotool key ctrl+o
wait_focus_moved_from Zorna
xdotool type --delay 20 "$WORK/picture.bmp"
xdotool key Return

# The picture's halves: on the screen picture at the slot's point, then in the preview and the
# result, whose top-left corner holds the 32 x 32 picture.
picture_placed_and_taken() {
  import -window root "$WORK/shot.png"
  /usr/bin/python3 "$(dirname "$0")/halves_placed_and_taken.py" "$WORK/shot.png"
}
eventually 20 picture_placed_and_taken
wait_focus_back() { [ "$(focused_window_name)" = "Zorna" ]; }
eventually 20 wait_focus_back >/dev/null || { echo "the focus stayed on '$(focused_window_name)'"; exit 1; }
xdotool key Escape
wait_zorna_exit
