#!/usr/bin/env bash
# On X11 with two monitors of different sizes and the desktop's scale factors 2, 1 and 1.5: the
# program opens on the monitor under the pointer and copies exactly that one (the other keeps
# showing the live desktop), shows the copy one to one, picks the device pixels under the
# pointer, and the arrow keys move the pick by one picture pixel.
SCREEN_W=2080
SCREEN_H=1024
source "$(dirname "$0")/xvfb_session.bash"
if ! command -v xrandr >/dev/null; then
  echo "missing xrandr" >&2
  if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
fi
checks="$ZORNA_SOURCE_DIR/tests/e2e/screen_checks.py"
xrandr --setmonitor LEFT 1280/338x1024/270+0+0 screen >/dev/null
xrandr --setmonitor RIGHT 800/211x600/158+1280+0 none >/dev/null

# Two desktop pictures, every pixel of its own colour: the copy shows the first, the live
# desktop then changes to the second.
/usr/bin/python3 - "$WORK" "$SCREEN_W" "$SCREEN_H" <<'PY'
import sys
from PIL import Image
work, w, h = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
colour = lambda x, y: (x & 255, y & 255, ((x >> 8) | ((y >> 8) << 3)) * 4)
for name, f in (("desktop", colour), ("later", lambda x, y: tuple(255 - c for c in colour(x, y)))):
    im = Image.new("RGB", (w, h))
    im.putdata([f(x, y) for y in range(h) for x in range(w)])
    im.save(f"{work}/{name}.png")
PY
show_desktop() {
  display -window root "$WORK/$1.png" 2>/dev/null || true
}
check() {
  local what=$1 picture=$2
  shift 2
  import -window root "$WORK/now.png"
  /usr/bin/python3 "$checks" "$what" "$WORK/$picture.png" "$WORK/now.png" "$@"
}
seed_settings

# $1 scale, $2 $3 where the pointer rests at the start, $4 $5 $6 $7 the monitor, $8 $9 the pick.
run() {
  local scale=$1 rest_x=$2 rest_y=$3 left=$4 top=$5 right=$6 bottom=$7 px=$8 py=$9
  show_desktop desktop
  xdotool mousemove "$rest_x" "$rest_y"
  QT_SCALE_FACTOR=$scale start_zorna
  show_desktop later
  # The container lies left of this column.
  local column=$((left + 400))
  [ "$scale" = 1.5 ] && column=$((left + 560))
  [ "$scale" = 2 ] && column=$((left + 700))
  eventually 10 check same desktop "$column" "$top" "$right" "$bottom" >/dev/null ||
    { echo "scale $scale: the monitor does not show the copy one to one"; exit 1; }
  if [ "$left" -eq 0 ]; then
    eventually 10 check same later 1280 0 "$SCREEN_W" 600 >/dev/null ||
      { echo "scale $scale: the other monitor does not show the live desktop"; exit 1; }
  else
    eventually 10 check same later 0 0 1280 "$SCREEN_H" >/dev/null ||
      { echo "scale $scale: the other monitor does not show the live desktop"; exit 1; }
  fi
  xdotool mousemove "$px" "$py"
  eventually 10 check marker desktop $((px + 1)) $((py + 1)) 63 ||
    { echo "scale $scale: the marker is not on the square under the pointer"; exit 1; }
  if [ "$scale" != 1.5 ]; then
    xdotool click 1
    eventually 10 check square desktop "$px" "$py" "$scale" "$left" "$top" "$column" "$bottom" ||
      { echo "scale $scale: the click did not pick the square under the pointer"; exit 1; }
    xdotool key Right key Down click 1
    eventually 10 check square desktop $((px + 1)) $((py + 1)) "$scale" "$left" "$top" \
      "$column" "$bottom" ||
      { echo "scale $scale: the arrow keys did not move the pick by one pixel"; exit 1; }
  fi
  xdotool key Escape
  wait_zorna_exit
  echo "scale $scale: the monitor at $left copied one to one and picked to the pixel"
}

run 2 900 500 0 0 1280 1024 901 501
run 1 1800 300 1280 0 2080 600 1901 301
run 1.5 900 500 0 0 1280 1024 901 502
