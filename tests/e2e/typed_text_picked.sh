#!/usr/bin/env bash
# Text mode of the real program: a typed word is not painted while it is typed, Enter paints it
# onto the screen picture, and a click there takes it into the result with its dark letters.
source "$(dirname "$0")/xvfb_session.bash"

convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#808080' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
printf 'GAL\xc9RIA\r\n\tTEXT\r\n' >"$ZORNA_HOME/strom.trv"
seed_settings "3=2" "4=2" "10=2"
start_zorna
open_gallery
xdotool mousemove --sync 92 $((LIBRARY_TOP + 23)) click 1  # "Snímať napísaný text"
sleep 0.3
xdotool type --delay 60 Zorna
sleep 0.5
import -window root "$WORK/shot.png"
[ "$(pixel_at "$WORK/shot.png" 380 60)" = "#808080" ] || { echo "typing painted the screen picture"; exit 1; }
xdotool key Return

# The text's place (368, 58) in the widened slot, blank around dark letters.
text_painted() {
  import -window root "$WORK/shot.png"
  /usr/bin/python3 - "$WORK/shot.png" <<'PY'
import sys
from PIL import Image
px = Image.open(sys.argv[1]).convert("RGB").load()
dark = sum(1 for y in range(58, 90) for x in range(368, 440) if sum(px[x, y]) < 200)
assert dark > 20, f"{dark} dark pixels where the text goes"
assert px[330, 20] == px[530, 120] == (255, 255, 255), "the slot is not blank"
print(dark, "dark text pixels")
PY
}
eventually 20 text_painted
xdotool mousemove --sync 360 50 click 1
xdotool key ctrl+g  # the result panel is above the gallery's top edge, but wholly seen only now

# The 64 x 64 square at (360, 50), the text in it, shown twice in the container (preview and
# result) with its dark letters. The pick's marker lies over the square's edges on the screen.
text_taken() {
  import -window root "$WORK/shot.png"
  /usr/bin/python3 - "$WORK/shot.png" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
px = shot.load()
square = [(i, j, px[360 + i, 50 + j]) for j in range(4, 60) for i in range(4, 60)]
letters = [(i, j, c) for i, j, c in square if sum(c) < 200]
assert len(letters) > 20, "no text in the picked square"
def at(x, y):
    return all(px[x + i, y + j] == c for i, j, c in letters) and \
        all(px[x + i, y + j] == c for i, j, c in square[::37])
first = letters[0]
found = [(x, y) for y in range(0, 700) for x in range(0, 330)
         if px[x, y] == first[2] and at(x - first[0], y - first[1])]
assert len(found) >= 2, f"preview and result not found: {found[:4]}"
print(len(letters), "dark text pixels taken into the result")
PY
}
eventually 20 text_taken
xdotool key Escape
wait_zorna_exit
