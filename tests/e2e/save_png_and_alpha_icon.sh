#!/usr/bin/env bash
# A PNG stands in for the screen (its transparent part reads as white), a square of it is taken
# and saved through the real save dialog and the icon dialog: first under a ".png" name, which
# writes a real PNG with white transparent, then with the type "Ikona s priehľadnosťou", which
# the remembered "ico32" puts first, under a bare name: an icon with alpha in every size.
source "$(dirname "$0")/xvfb_session.bash"

# A 64 x 64 square at (600, 300): transparent left half, red right half with a blue dot.
/usr/bin/python3 - "$WORK/screen.png" "$SCREEN_W" "$SCREEN_H" <<'PY'
import sys
from PIL import Image, ImageDraw
im = Image.new("RGBA", (int(sys.argv[2]), int(sys.argv[3])), (128, 128, 128, 255))
d = ImageDraw.Draw(im)
d.rectangle((600, 300, 631, 363), fill=(0, 0, 0, 0))
d.rectangle((632, 300, 663, 363), fill=(255, 0, 0, 255))
d.rectangle((640, 320, 647, 327), fill=(0, 0, 255, 255))
im.save(sys.argv[1])
PY
export ZORNA_SCREEN_IMAGE="$WORK/screen.png"
# The window counts as painted once it shows the picture as the program reads it: flattened
# over white, without alpha.
convert "$ZORNA_SCREEN_IMAGE" -background white -flatten -type TrueColor "BMP3:$WORK/screen-seen.bmp"
zorna_painted() {
  [ "$(focused_window_name)" = "Zorna" ] || return 1
  local x=$((SCREEN_W - 2)) y=$((SCREEN_H - 2))
  [ "$(pixel_at x:root "$x" "$y")" = "$(pixel_at "$WORK/screen-seen.bmp" "$x" "$y")" ]
}
seed_settings '[Obr\xe1zok]' 'Ulo\x9ei\x9d ako=ico32'
mkdir -p "$WORK/out"
start_zorna

save_as() {
  xdotool search --name '^Zorna$' windowfocus --sync
  xdotool key ctrl+s
  wait_focus_moved_from Zorna
  local save_dialog
  save_dialog=$(focused_window_name)
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  wait_focus_moved_from Zorna "$save_dialog"
  xdotool key Return  # OK in the icon dialog, white stays transparent
}

xdotool mousemove --sync 600 300 click 1
save_as "$WORK/out/take.png"
eventually 20 test -s "$WORK/out/take.png" || { echo "the PNG was not written"; exit 1; }
save_as "$WORK/out/take"
eventually 20 test -s "$WORK/out/take.ico" || { echo "the icon with alpha was not written"; exit 1; }

listing=$(icotool -l "$WORK/out/take.ico" | sed 's/.*--width=\([0-9]*\).*--bit-depth=\([0-9]*\).*/\1@\2/' | tr '\n' ' ')
[ "$listing" = "64@32 48@32 32@32 24@32 16@32 " ] || { echo "icotool lists the icon as: $listing"; exit 1; }
/usr/bin/python3 - "$WORK/out" <<'PY'
import os, sys
from PIL import Image
png = Image.open(os.path.join(sys.argv[1], "take.png"))
assert (png.format, png.mode, png.size) == ("PNG", "RGBA", (64, 64)), (png.format, png.mode, png.size)
icon = Image.open(os.path.join(sys.argv[1], "take.ico"))
for side, picture in [(64, png)] + [(s, None) for s in (64, 16)]:
    if picture is None:
        icon.size = (side, side)
        icon.load()
        picture = icon
    px = picture.convert("RGBA").load()
    f = side / 64
    assert px[int(5 * f), int(5 * f)][3] == 0, f"white is transparent at {side}: {px[5 * f, 5 * f]}"
    assert px[int(50 * f), int(5 * f)] == (255, 0, 0, 255), f"red is kept at {side}"
    assert px[int(42 * f), int(22 * f)] == (0, 0, 255, 255), f"the blue dot is kept at {side}"
print("PNG and icon with alpha saved with the picked pixels")
PY
ls -a "$WORK/out" | grep -q '\.tmp$' && { echo "a temporary file was left behind"; exit 1; }

xdotool search --name '^Zorna$' windowfocus --sync
xdotool key Escape
wait_zorna_exit
iconv -f cp1250 -t utf-8 "$ZORNA_CONFIG_DIR/Zorna.ini" | grep -q '^Uložiť ako=ico32' ||
  { echo "the type with alpha was not remembered"; cat "$ZORNA_CONFIG_DIR/Zorna.ini"; exit 1; }
echo "type with alpha remembered"
