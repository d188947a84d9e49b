# Shared by the end-to-end scripts: a private X server, a scratch program folder and settings.
# Sourced, not run. Sets WORK, DISPLAY, ZORNA_HOME, ZORNA_CONFIG_DIR and starts Xvfb.
set -euo pipefail
for tool in Xvfb xdotool import /usr/bin/python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing $tool" >&2
    if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
  fi
done
WORK=$(mktemp -d)
XVFB_PID=""
ZORNA_PID=""
cleanup() {
  [ -n "$ZORNA_PID" ] && kill "$ZORNA_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
SCREEN_W=${SCREEN_W:-1280}
SCREEN_H=${SCREEN_H:-1024}
# Xvfb picks a free display itself and names it on the descriptor once it accepts clients, so
# parallel runs and other X servers on the machine never race for a number. -noreset keeps the
# server as it is when its last client leaves (a reset would blank the next capture).
mkfifo "$WORK/xvfb.display"
Xvfb -displayfd 3 -noreset -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp \
  3>"$WORK/xvfb.display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
DISPLAY_NUM=""
read -r -t 30 DISPLAY_NUM <"$WORK/xvfb.display" || true
if [ -z "$DISPLAY_NUM" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
  echo "Xvfb did not start:" >&2
  cat "$WORK/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$DISPLAY_NUM"
export ZORNA_HOME="$WORK/home"
export ZORNA_CONFIG_DIR="$WORK/config"
export QT_QPA_PLATFORM=xcb
mkdir -p "$ZORNA_HOME/Skin" "$ZORNA_HOME/Data" "$ZORNA_CONFIG_DIR"
cp -r "$ZORNA_PROGRAM_DIR/Skin/." "$ZORNA_HOME/Skin/" 2>/dev/null || true
cp -r "$ZORNA_PROGRAM_DIR/pomoc" "$ZORNA_HOME/" 2>/dev/null || true

# Writes a settings file whose hint counters are used up, so no hint box covers the screen.
# Extra lines (already in code page 1250) may follow as arguments.
seed_settings() {
  printf '[Dial\xf3g]\r\n1=2\r\n2=2\r\n5=2\r\n' > "$ZORNA_CONFIG_DIR/Zorna.ini"
  for line in "$@"; do printf '%b\r\n' "$line" >> "$ZORNA_CONFIG_DIR/Zorna.ini"; done
}

ZORNA_LOG="$WORK/zorna.log"
source "$(dirname "${BASH_SOURCE[0]}")/eventually.bash"

# A screen picture with a known part: a 64 x 64 square of four colours at (600, 300), red and
# blue above, green and yellow below, on grey.
four_colour_screen() {
  convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#808080' \
    -fill '#ff0000' -draw 'rectangle 600,300 631,331' -fill '#0000ff' -draw 'rectangle 632,300 663,331' \
    -fill '#00ff00' -draw 'rectangle 600,332 631,363' -fill '#ffff00' -draw 'rectangle 632,332 663,363' \
    -type TrueColor "BMP3:$1"
}

# The colour of one pixel of a picture file, or of the screen for "x:root".
pixel_at() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | awk 'NR == 2 { print $3 }'
}

focused_window_name() {
  xdotool getwindowfocus getwindowname 2>/dev/null
}

# True when the keyboard focus is on a named window other than the given ones.
focus_moved_from() {
  local name
  name=$(focused_window_name) || return 1
  [ -n "$name" ] || return 1
  for other in "$@"; do [ "$name" != "$other" ] || return 1; done
}

# Without a window manager a dialog takes the focus itself: wait until it has.
wait_focus_moved_from() {
  eventually 20 focus_moved_from "$@" >/dev/null ||
    { echo "the focus stayed on '$(focused_window_name || true)'"; exit 1; }
}

# The main window is up once it holds the keyboard focus and the far corner of the screen, well
# away from the container, shows the screen picture (the bare server shows black there).
zorna_painted() {
  [ "$(focused_window_name)" = "Zorna" ] || return 1
  [ -z "${ZORNA_SCREEN_IMAGE:-}" ] && return 0
  local x=$((SCREEN_W - 2)) y=$((SCREEN_H - 2))
  [ "$(pixel_at x:root "$x" "$y")" = "$(pixel_at "$ZORNA_SCREEN_IMAGE" "$x" "$y")" ]
}

start_zorna() {
  "$ZORNA_PROGRAM_DIR/zorna" "$@" >"$WORK/zorna.log" 2>&1 &
  ZORNA_PID=$!
  eventually 30 zorna_painted || { echo "the window did not appear painted"; exit 1; }
}

# The open library panel's top: just below the lowest screen-picture pixel at the right edge.
library_top() {
  import -window root "$WORK/top.png"
  /usr/bin/python3 -c 'import sys; from PIL import Image
shot, screen = (Image.open(f).convert("RGB") for f in sys.argv[1:])
x, h = shot.width - 10, shot.height
y = max(y for y in range(h) if shot.getpixel((x, y)) == screen.getpixel((x, y)))
assert y < h - 1, "the library panel is not open"; print(y + 1)' "$WORK/top.png" "$ZORNA_SCREEN_IMAGE"
}
# Ctrl+G, then waits until the library panel covers the screen picture; sets LIBRARY_TOP.
open_gallery() {
  xdotool key ctrl+g
  LIBRARY_TOP=$(eventually 20 library_top) || { echo "the gallery did not open"; exit 1; }
}

wait_zorna_exit() {
  for _ in $(seq 100); do kill -0 "$ZORNA_PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$ZORNA_PID" 2>/dev/null; then echo "the program did not end"; exit 1; fi
  wait "$ZORNA_PID" || { echo "the program failed"; cat "$WORK/zorna.log"; exit 1; }
  ZORNA_PID=""
}

# The gallery tree's rows of text below the search bar, once the gallery is open and its tree
# shows at least three: prints the middle of row $1 (0 is the tree's caption, 1 the first
# category).
gallery_tree_row() {
  LIBRARY_TOP=$(library_top) || return 1
  /usr/bin/python3 - "$WORK/top.png" "$1" "$LIBRARY_TOP" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
px = shot.load()
top = int(sys.argv[3]) + 40  # below the search bar
def dark(y):
    return any(sum(px[x, y]) < 200 for x in range(20, 170))
rows, start = [], None
for y in range(top, top + 120):
    if dark(y) and start is None:
        start = y
    elif not dark(y) and start is not None:
        rows.append((start + y) // 2)
        start = None
assert len(rows) >= 3, f"tree rows not found: {rows}"
print(rows[int(sys.argv[2])])
PY
}
