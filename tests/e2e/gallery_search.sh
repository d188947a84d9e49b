#!/usr/bin/env bash
# The search box of the real program over the shipped gallery: "mobil" typed into it selects
# TELEFÓN A KONTAKTY, whose first picture then shows in the picture toolbar.
source "$(dirname "$0")/xvfb_session.bash"

[ -s "$ZORNA_PROGRAM_DIR/strom.trv" ] || { echo "skipped: the shipped gallery was not built"; exit 77; }
cp -r "$ZORNA_PROGRAM_DIR/Data/." "$ZORNA_HOME/Data/"
cp "$ZORNA_PROGRAM_DIR/strom.trv" "$ZORNA_HOME/"
want=$("$ZORNA_PROGRAM_DIR/zornatool" gallery search mobil -C "$ZORNA_HOME")
category=${want%%$'\t'*}
[[ "${want#*$'\t'}" == "TELEFÓN A KONTAKTY" ]] || { echo "the shipped gallery has no TELEFÓN: $want"; exit 1; }
"$ZORNA_PROGRAM_DIR/zornatool" iko-decode "$ZORNA_HOME/Data/${category}000.iko" -o "$WORK/first.bmp"

convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#808080' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings "3=2" "4=2" "10=2"
start_zorna
open_gallery
xdotool mousemove --sync 44 $((LIBRARY_TOP + 23)) click 1  # "Vyhľadať obrázok", at the top of the panel
sleep 0.3
xdotool type --delay 60 mobil

# The category's first small picture at the top left of the picture area, and a highlighted
# row in the tree.
category_shown() {
  import -window root "$WORK/shot.png"
  /usr/bin/python3 - "$WORK/shot.png" "$WORK/first.bmp" "$LIBRARY_TOP" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
first = Image.open(sys.argv[2]).convert("RGB")
px, pic = shot.load(), first.load()
# White is the gallery's transparent colour: only the picture's other pixels must show.
inked = [(i, j) for j in range(32) for i in range(32) if pic[i, j] != (255, 255, 255)]
def at(x, y):
    return all(px[x + i, y + j] == pic[i, j] for i, j in inked)
top = int(sys.argv[3])
found = [(x, y) for y in range(top + 3, top + 60) for x in range(180, 240) if at(x, y)]
assert found, "the category's first picture is not in the toolbar"
white = (255, 255, 255)
marked = sum(1 for y in range(top + 43, shot.height) for x in range(10, 170)
             if px[x, y][2] > px[x, y][0] + 60 and px[x, y] != white)
assert marked > 100, "no highlighted row in the tree"
print("the first picture of the category at", found[0])
PY
}
eventually 20 category_shown
xdotool key Escape
wait_zorna_exit
