#!/usr/bin/env bash
# The skin dialog switches the container to the other shipped skin at once: its caption bars,
# strip and body colours show on the screen, and the choice is applied again at the next start.
source "$(dirname "$0")/xvfb_session.bash"

convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#7a8c70' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings
[ -d "$ZORNA_HOME/Skin/Jazero" ] && [ -d "$ZORNA_HOME/Skin/Bridlica" ] ||
  { echo "the shipped skins are missing"; exit 1; }

# The container stands at (8, 8): with the 64 x 64 defaults the column is 170 wide. Checks one
# skin's caption, strip and body against its own pictures on a screenshot.
shows_skin() {
  import -window root "$WORK/shot.png"
  /usr/bin/python3 - "$WORK/shot.png" "$ZORNA_HOME/Skin/$1" <<'PY'
import sys, configparser
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB").load()
skin = sys.argv[2]
def picture(name):
    return Image.open(f"{skin}/{name}").convert("RGB")
ini = configparser.ConfigParser()
ini.read(f"{skin}/rozmiestnenie.ini", encoding="cp1250")
strip_width = ini.getint("Okno s tlačítkami", "Šírka")
right = ini.getboolean("Okno s tlačítkami", "Je v pravo")
column_x = 8 if right else 8 + strip_width
strip_x = 8 + 170 if right else 8
caption = picture("okno/Vstup/hlavička.bmp")
cap = caption.load()
bad = [(x, y) for y in range(caption.height) for x in range(150) if shot[column_x + x, 8 + y] != cap[x, y]]
assert not bad, f"the input panel's caption differs at {bad[:3]}"
strip = picture("okno.bmp")
sp = strip.load()
bad = [y for y in range(strip.height) if shot[strip_x + 1, 8 + y] != sp[1, y]]
assert not bad, f"the strip's picture differs in rows {bad[:3]}"
# Below its picture the strip takes the picture's bottom-left colour, and so does a body.
colour = sp[0, strip.height - 1]
assert shot[strip_x + 1, 8 + strip.height + 20] == colour, (shot[strip_x + 1, 8 + strip.height + 20], colour)
body = picture("okno/Vstup/okno.bmp")
colour = body.load()[0, body.height - 1]
spot = (column_x + 162, 8 + caption.height + 70)
assert shot[spot] == colour, (spot, shot[spot], colour)
print("the screen shows", skin)
PY
}

start_zorna
eventually 10 shows_skin Jazero || { echo "the default skin is not the light one"; exit 1; }
xdotool mousemove --sync 222 110 click 1  # the strip's theme button
wait_focus_moved_from Zorna
[ "$(focused_window_name)" = "Vzhľad" ] || { echo "not the skin dialog: $(focused_window_name)"; exit 1; }
xdotool key Up  # the first skin of the list
eventually 10 shows_skin Bridlica || { echo "the chosen skin was not applied"; exit 1; }
xdotool key Return
eventually 10 test "$(focused_window_name)" = Zorna
xdotool key Escape
wait_zorna_exit
iconv -f cp1250 -t utf-8 "$ZORNA_CONFIG_DIR/Zorna.ini" | grep -q '^Číslo=0' ||
  { echo "the choice was not stored"; cat "$ZORNA_CONFIG_DIR/Zorna.ini"; exit 1; }

start_zorna
eventually 10 shows_skin Bridlica || { echo "the chosen skin was not applied at the next start"; exit 1; }
xdotool key Escape
wait_zorna_exit
