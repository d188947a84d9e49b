#!/usr/bin/env bash
# "zorna FILE": the picture lies one to one over the screen picture's top-left corner and is
# picked there; one larger than the screen moves under the corner with the wheel (Shift+wheel
# across), and the pick then takes the pixels moved under it.
source "$(dirname "$0")/xvfb_session.bash"
if ! command -v xclip >/dev/null; then
  echo "missing xclip" >&2
  if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
fi
# Larger than the screen both ways, no two neighbours alike. Named relative to the folder the
# program is started in, which is not the program folder it then works in.
/usr/bin/python3 -c 'import random, sys; from PIL import Image
random.seed(7); im = Image.new("RGB", (1600, 1400))
im.putdata([tuple(random.randrange(240) for _ in range(3)) for _ in range(1600 * 1400)])
im.save(sys.argv[1])' "$WORK/picture.png"
seed_settings
SCRIPTS=$(cd "$(dirname "$0")" && pwd)
cd "$WORK"
start_zorna picture.png
checks() { /usr/bin/python3 "$SCRIPTS/screen_checks.py" "$@"; }
shown() {
  import -window root "$WORK/shot.png" &&
    checks same "$WORK/picture.png" "$WORK/shot.png" 400 300 800 600
}
eventually 20 shown || { echo "the picture is not shown over the screen"; exit 1; }

# Takes the square under the pointer at (600, 300), copies it and compares the pasted copy with
# the picture's square at ($1, $2).
xdotool mousemove --sync 600 300
pasted() {
  xclip -selection clipboard -t image/png -o >"$WORK/pasted.png" 2>/dev/null &&
    checks copied "$WORK/picture.png" "$WORK/pasted.png" "$1" "$2"
}
pick_copy_compare() {
  xdotool click 1
  sleep 0.3
  xdotool key ctrl+c
  eventually 10 pasted "$1" "$2" || { echo "the pick is not the picture's square at ($1, $2)"; exit 1; }
}
pick_copy_compare 600 300
xdotool click 5  # one notch down: the picture moves up by 128 pixels
pick_copy_compare 600 428
xdotool keydown shift click 5 keyup shift  # across: 128 pixels to the left
pick_copy_compare 728 428
xdotool key Escape
wait_zorna_exit
echo "the picture was shown, picked, and picked again where the wheel moved it"
