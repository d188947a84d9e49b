#!/usr/bin/env bash
# A hint box closed with Enter gives the keyboard back to the main window even without a window
# manager: Escape then ends the program.
source "$(dirname "$0")/xvfb_session.bash"

convert -size "${SCREEN_W}x${SCREEN_H}" gradient:'#305070-#c0a080' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
printf '[Dial\xf3g]\r\n1=2\r\n' > "$ZORNA_CONFIG_DIR/Zorna.ini"  # hint 2 is still due
start_zorna
main_window=$(xdotool getwindowfocus)
focus_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
focus_is_not() { ! focus_is "$1"; }

xdotool mousemove --sync 700 500 click 1
eventually 20 focus_is_not "$main_window" >/dev/null || { echo "no hint box took the focus"; exit 1; }
xdotool key Return
eventually 20 focus_is "$main_window" >/dev/null ||
  { echo "the focus did not come back to the main window"; exit 1; }
xdotool key Escape
wait_zorna_exit
echo "the keyboard came back to the main window"
