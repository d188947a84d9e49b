#!/usr/bin/env bash
# "zorna FILE": the picture lies one to one at the screen picture's top-left corner and is picked
# there; the wheel (Shift+wheel across) moves one larger than the screen, and the pick follows.
source "$(dirname "$0")/xvfb_session.bash"
# Noise larger than the screen both ways, named relative to the folder the program starts in.
convert -size 1600x1400 xc:'#808081' +noise Random -evaluate multiply 0.9 "PNG24:$WORK/picture.png"
seed_settings
SCRIPTS=$(cd "$(dirname "$0")" && pwd)
cd "$WORK"
start_zorna picture.png
# The screen, shot now, shows the picture as screen_checks.py's check $1 says.
shows() {
  import -window root "$WORK/shot.png" &&
    /usr/bin/python3 "$SCRIPTS/screen_checks.py" "$1" "$WORK/picture.png" "$WORK/shot.png" "${@:2}"
}
eventually 20 shows same 400 300 800 600 || { echo "the picture is not shown"; exit 1; }
xdotool mousemove --sync 600 300
# A click takes the pick: the preview and the result show the picture's square at ($1, $2).
take() {
  xdotool click 1
  eventually 20 shows square "$1" "$2" 1 0 0 400 400 || { echo "not taken at ($1, $2)"; exit 1; }
}
take 600 300
xdotool click 5  # one notch down: the picture moves up by 128 pixels
take 600 428
xdotool keydown shift click 5 keyup shift  # across: 128 pixels to the left
take 728 428
xdotool key Escape
wait_zorna_exit
