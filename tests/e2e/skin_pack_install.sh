#!/usr/bin/env bash
# A skin pack made by zornatool in one program folder and dropped into another's "skin" folder
# is installed when the program starts: the pack is gone, the skin is listed and, chosen by its
# place in the list, it dresses the container.
source "$(dirname "$0")/xvfb_session.bash"
TOOL="$ZORNA_PROGRAM_DIR/zornatool"

mkdir -p "$WORK/maker"
cp -r "$ZORNA_HOME/Skin" "$WORK/maker/Skin"
"$TOOL" skin pack -C "$WORK/maker" >"$WORK/pack.log" || { cat "$WORK/pack.log"; exit 1; }
[ -s "$WORK/maker/Skin/Bridlica.mk" ] || { echo "no pack was made"; exit 1; }
# The receiving folder has the light skin only, in a folder spelled "skin".
rm -rf "$ZORNA_HOME/Skin/Bridlica"
mv "$ZORNA_HOME/Skin" "$ZORNA_HOME/skin"
cp "$WORK/maker/Skin/Bridlica.mk" "$ZORNA_HOME/skin/"

convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#506070' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings '[Skin]' '\xc8\xedslo=0'
start_zorna
[ ! -e "$ZORNA_HOME/skin/Bridlica.mk" ] || { echo "the pack was not deleted"; exit 1; }
diff -r "$WORK/maker/Skin/Bridlica" "$ZORNA_HOME/skin/Bridlica" || { echo "the skin differs"; exit 1; }

# Bridlica is first in the list now: its strip stands left, its caption bar right of it.
caption_shown() {
  import -window root "$WORK/shot.png"
  /usr/bin/python3 - "$WORK/shot.png" "$ZORNA_HOME/skin/Bridlica/okno/Vstup/hlavička.bmp" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB").load()
caption = Image.open(sys.argv[2]).convert("RGB")
cap = caption.load()
bad = [(x, y) for y in range(caption.height) for x in range(150) if shot[8 + 64 + x, 8 + y] != cap[x, y]]
assert not bad, f"the caption differs at {bad[:3]}"
print("the installed skin dresses the container")
PY
}
eventually 10 caption_shown || exit 1
xdotool key Escape
wait_zorna_exit
