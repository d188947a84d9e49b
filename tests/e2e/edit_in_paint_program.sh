#!/usr/bin/env bash
# Ctrl+U hands the result to the paint program named by ZORNA_PAINT (here a script that
# inverts the bitmap in place) and takes the edited picture back as the result, which is then
# saved and checked.
source "$(dirname "$0")/xvfb_session.bash"

# A 32 x 32 square at (600, 300): red left half, blue right half with a white dot.
convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#808080' \
  -fill '#ff0000' -draw 'rectangle 600,300 615,331' -fill '#0000ff' -draw 'rectangle 616,300 631,331' \
  -fill '#ffffff' -draw 'rectangle 620,310 623,313' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
cat >"$WORK/paint" <<PAINT
#!/bin/sh
for last; do :; done
printf '%s\n' "\$last" > "$WORK/paint.args"
/usr/bin/python3 - "\$last" <<'PY'
import sys
from PIL import Image, ImageOps
path = sys.argv[1]
ImageOps.invert(Image.open(path).convert("RGB")).save(path, "BMP")
PY
PAINT
chmod +x "$WORK/paint"
export ZORNA_PAINT="$WORK/paint"
seed_settings '[Obr\xe1zok]' 'V\xfdstup=2' 'Vstup=2'
mkdir -p "$WORK/out"
start_zorna

xdotool mousemove --sync 600 300 click 1
xdotool key ctrl+u
edited_file="$ZORNA_HOME/Data/upravuje sa obrázok.bmp"
edit_done() { [ -s "$WORK/paint.args" ] && [ ! -e "$edited_file" ]; }
eventually 20 edit_done || { echo "the paint program did not run or its file stayed"; exit 1; }
[ "$(cat "$WORK/paint.args")" = "$edited_file" ] ||
  { echo "the paint program was given '$(cat "$WORK/paint.args")'"; exit 1; }

xdotool key ctrl+s
wait_focus_moved_from Zorna
xdotool type --delay 20 "$WORK/out/edited.bmp"
xdotool key Return
eventually 20 test -s "$WORK/out/edited.bmp" || { echo "the result was not saved"; exit 1; }

/usr/bin/python3 - "$WORK/out/edited.bmp" <<'PY'
import sys
from PIL import Image
result = Image.open(sys.argv[1]).convert("RGB")
assert result.size == (32, 32), result.size
px = result.load()
assert px[3, 20] == (0, 255, 255), f"red became cyan: {px[3, 20]}"
assert px[28, 20] == (255, 255, 0), f"blue became yellow: {px[28, 20]}"
assert px[21, 11] == (0, 0, 0), f"the white dot became black: {px[21, 11]}"
print("the result holds the inverted picture")
PY

xdotool search --name '^Zorna$' windowfocus --sync
xdotool key Escape
wait_zorna_exit
