#!/usr/bin/env bash
# A skin pack made by zornatool in one program folder and dropped into another's "skin" folder
# is installed when the program starts: the pack is gone, the skin is listed and, chosen by its
# place in the list, it dresses the container. A hostile pack beside it changes nothing outside
# "skin" (an error box names it); the author's gallery and packs made to hand on stay.
source "$(dirname "$0")/xvfb_session.bash"
TOOL="$ZORNA_PROGRAM_DIR/zornatool"

mkdir -p "$WORK/maker"
cp -r "$ZORNA_HOME/Skin" "$WORK/maker/Skin"
"$TOOL" skin pack -C "$WORK/maker" >"$WORK/pack.log" || { cat "$WORK/pack.log"; exit 1; }
[ -s "$WORK/maker/Balíky/Bridlica.mk" ] || { echo "no pack was made"; exit 1; }
# The receiving folder has the light skin only, in a folder spelled "skin".
rm -rf "$ZORNA_HOME/Skin/Bridlica"
mv "$ZORNA_HOME/Skin" "$ZORNA_HOME/skin"
cp "$WORK/maker/Balíky/Bridlica.mk" "$ZORNA_HOME/skin/"
# The author's gallery, packed in part, and the skin packed.
printf 'G\r\n\tA\r\n\tB\r\n' >"$ZORNA_HOME/strom.trv"
for n in 1000 1001 2000; do convert -size 32x32 "xc:#${n}00" -type TrueColor "BMP3:$ZORNA_HOME/Data/$n.bmp"; done
"$TOOL" gallery encode -C "$ZORNA_HOME" && "$TOOL" gallery pack --from 1 --to 1 -C "$ZORNA_HOME" && "$TOOL" skin pack -C "$ZORNA_HOME" || exit 1
# The hostile pack: that gallery update, the tree, the program, names that climb or are absolute.
mkdir -p "$WORK/a/Data" && cp "$ZORNA_HOME/Balíky/zorna.mk" "$WORK/a/Data/" && cp "$ZORNA_HOME/strom.trv" "$WORK/a/" && cp "$WORK/a/strom.trv" "$WORK/" || exit 1
(cd "$WORK/a" && "$TOOL" pack -o "$ZORNA_HOME/skin/zly.mk" Data/zorna.mk strom.trv ../strom.trv) && rm "$WORK/strom.trv" || exit 1
for name in zorna '..\evil' 'Skin\..\Data\x' 'C:\Zorna\Skin\..\zorna' '\tmp\evil'; do printf '%s\0\1\0\0\1\0!' "$name" >>"$ZORNA_HOME/skin/zly.mk"; done
outside() { (cd "$ZORNA_HOME" && find . -path ./skin -prune -o -type f -print | sort | xargs md5sum); }
before=$(outside)

convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#506070' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings '[Skin]' '\xc8\xedslo=0'
"$ZORNA_PROGRAM_DIR/zorna" >"$ZORNA_LOG" 2>&1 &
ZORNA_PID=$!
small_box() { local WIDTH=9999; eval "$(xdotool getwindowfocus getwindowgeometry --shell)"; [ "$WIDTH" -lt 800 ]; }
eventually 30 small_box || { echo "no error box named what was skipped"; exit 1; }
xdotool key Return
eventually 30 zorna_painted || { echo "the window did not appear painted"; exit 1; }
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
"$TOOL" gallery update -C "$ZORNA_HOME" 2>/dev/null && { echo "an update was waiting"; exit 1; }
[ "$(outside)" = "$before" ] || { diff <(echo "$before") <(outside); echo "a file outside skin changed"; exit 1; }
[ ! -e "$WORK/evil" ] && [ ! -e "$WORK/strom.trv" ] && [ ! -e /tmp/evil ] || { echo "a file left the program folder"; exit 1; }
