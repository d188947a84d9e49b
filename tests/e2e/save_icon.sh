#!/usr/bin/env bash
# A square taken from the screen is saved as an icon through the real save dialog and the icon
# dialog: the file holds the picked pixels with white transparent, and the icon type is
# remembered for the next start.
source "$(dirname "$0")/xvfb_session.bash"

# A 64 x 64 square at (600, 300): white left half, red right half with a blue dot.
convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#808080' \
  -fill '#ffffff' -draw 'rectangle 600,300 631,363' -fill '#ff0000' -draw 'rectangle 632,300 663,363' \
  -fill '#0000ff' -draw 'rectangle 640,320 647,327' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings
mkdir -p "$WORK/out"
start_zorna

xdotool mousemove --sync 600 300 click 1
xdotool key ctrl+s
wait_focus_moved_from Zorna
save_dialog=$(focused_window_name)
xdotool type --delay 20 "$WORK/out/take.ico"
xdotool key Return
wait_focus_moved_from Zorna "$save_dialog"
xdotool key Return  # OK in the icon dialog, white stays transparent
eventually 20 test -s "$WORK/out/take.ico" || { echo "the icon was not written"; exit 1; }

/usr/bin/python3 - "$WORK/out/take.ico" <<'PY'
import sys
from PIL import Image
data = open(sys.argv[1], "rb").read()
assert len(data) == 2686, f"a 64 x 64 icon has 2686 bytes, not {len(data)}"
icon = Image.open(sys.argv[1])
icon.size = (64, 64)
px = icon.convert("RGBA").load()
assert px[5, 5][3] == 0, f"white is transparent: {px[5, 5]}"
assert px[50, 5] == (255, 0, 0, 255), f"red is kept: {px[50, 5]}"
assert px[42, 22] == (0, 0, 255, 255), f"the blue dot is kept: {px[42, 22]}"
print("icon saved with the picked pixels")
PY
ls -a "$WORK/out" | grep -q '\.tmp$' && { echo "a temporary file was left behind"; exit 1; }

# Xvfb has no window manager to hand the focus back to the main window after a dialog.
xdotool search --name '^Zorna$' windowfocus --sync
xdotool key Escape
wait_zorna_exit
iconv -f cp1250 -t utf-8 "$ZORNA_CONFIG_DIR/Zorna.ini" | grep -q '^Uložiť ako=ico' ||
  { echo "the icon type was not remembered"; cat "$ZORNA_CONFIG_DIR/Zorna.ini"; exit 1; }
echo "icon type remembered"
