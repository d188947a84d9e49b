#!/usr/bin/env bash
# Moving the pointer over the screen picture fills the preview and the magnifier; a click takes
# the square into the result, which then shows the picked pixels.
source "$(dirname "$0")/xvfb_session.bash"

# A known part of the picture: a 64 x 64 checker of four colours at (600, 300).
four_colour_screen "$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings
start_zorna
xdotool mousemove --sync 600 300 click 1
picked_square_shown() {
  import -window root "$WORK/shot.png"
  /usr/bin/python3 - "$WORK/shot.png" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
w, h = shot.size
px = shot.load()
# The 64 x 64 result shows the four quarters: find a red block of 32 x 32 beside a blue one
# inside the container (left part of the screen).
def block(x, y, colour):
    return all(px[x + i, y + j] == colour for i in range(0, 32, 4) for j in range(0, 32, 4))
found = [(x, y) for y in range(0, 700) for x in range(0, 400)
         if px[x, y] == (255, 0, 0) and block(x, y, (255, 0, 0)) and block(x + 32, y, (0, 0, 255))
         and block(x, y + 32, (0, 255, 0)) and block(x + 32, y + 32, (255, 255, 0))]
assert len(found) >= 2, f"preview and result not found: {found[:4]}"
print("preview and result show the picked square at", found[:2])
PY
}
eventually 20 picked_square_shown
xdotool key Escape
wait_zorna_exit
