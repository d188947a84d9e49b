#!/usr/bin/env bash
# The program shows the screen picture one to one around its container, and Escape ends it
# with the settings written.
source "$(dirname "$0")/xvfb_session.bash"

convert -size "${SCREEN_W}x${SCREEN_H}" gradient:'#204080-#e0c060' \
  -fill '#c03030' -draw 'rectangle 600,100 700,200' -fill '#30a040' -draw 'circle 900,600 960,600' \
  -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings
start_zorna
import -window root "$WORK/shot.png"

/usr/bin/python3 - "$WORK/screen.bmp" "$WORK/shot.png" <<'PY'
import sys
from PIL import Image
screen = Image.open(sys.argv[1]).convert("RGB")
shot = Image.open(sys.argv[2]).convert("RGB")
assert screen.size == shot.size, (screen.size, shot.size)
w, h = screen.size
sp, hp = screen.load(), shot.load()
# The container floats at (8, 8); everything right of and below it is the screen picture.
bad = [(x, y) for y in range(0, h, 3) for x in range(0, w, 3)
       if (x > 420 or y > 760) and sp[x, y] != hp[x, y]]
assert not bad, f"{len(bad)} pixels differ, first at {bad[:3]}"
differs = sum(sp[x, y] != hp[x, y] for y in range(10, 300, 4) for x in range(10, 200, 4))
assert differs > 1000, "the container is not drawn over the picture"
print("screen picture shown one to one")
PY

xdotool key Escape
wait_zorna_exit
/usr/bin/python3 - "$ZORNA_CONFIG_DIR/Zorna.ini" <<'PY'
import sys
text = open(sys.argv[1], "rb").read().decode("cp1250")
for expected in ["[Obrázok]", "Výstup=3", "Vstup=3", "Zámok=1", "Zväčšiť=0", "Rozmer=20",
                 "[Lupa]", "Veľkosť=2", "[Pozadie]", "Prekrytie=1", "Obrázok=0",
                 "[Veľkosti okien]", "[Skin]", "[Panel]", "V pravo=0", "[Dialóg]", "1=2"]:
    assert expected + "\r\n" in text or expected in text.splitlines(), f"missing {expected!r} in:\n{text}"
print("settings written")
PY
