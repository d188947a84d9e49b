# Shared by the Wayland end-to-end scripts; sourced, not run. Sway refuses to run as root, so a
# script started as root (CI) runs again as an unprivileged user, on copies of the program that
# this user can read; either way it runs inside a private session bus. There it gets a headless
# sway of 1280 x 800 showing a desktop picture of its own, pipewire and the desktop portal (the
# screen copy), a VNC server whose virtual pointer the test moves (the compositor has no input
# device), and the helpers below. Sets WORK, ZORNA_HOME, ZORNA_CONFIG_DIR and the desktop's
# variables.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/user_session.bash"
OUTPUT_W=1280
OUTPUT_H=800

if [ -z "${ZORNA_WAYLAND_STAGE:-}" ]; then
  for tool in sway swaybg swaymsg grim wayvnc wtype dbus-run-session pipewire setpriv \
    /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-wlr \
    /usr/libexec/xdg-desktop-portal-gtk /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null; then
      echo "missing $tool" >&2
      if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
    fi
  done
  if [ ! -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] &&
    ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "missing Qt's Wayland platform (qt6-wayland)" >&2
    if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
  fi
  script=$(readlink -f "$0")
  WORK=$(mktemp -d)
  chmod 755 "$WORK"
  mkdir -p "$WORK/program" "$WORK/scripts" "$WORK/runtime" "$WORK/user"
  cp "$ZORNA_PROGRAM_DIR/zorna" "$WORK/program/"
  [ -e "$ZORNA_PROGRAM_DIR/zorna-clipboard" ] && cp "$ZORNA_PROGRAM_DIR/zorna-clipboard" "$WORK/program/"
  cp -r "$ZORNA_PROGRAM_DIR/Skin" "$WORK/program/" 2>/dev/null || true
  for file in "$script" wayland_session.bash user_session.bash eventually.bash rfb_pointer.py \
    screen_checks.py; do
    cp "$(dirname "$script")/$(basename "$file")" "$WORK/scripts/"
  done
  run_as_user "$WORK/scripts/$(basename "$script")" ZORNA_WAYLAND_STAGE=session
fi

# --- Inside the session, as the unprivileged user ---
PIDS=()
ZORNA_PID=""
mkdir -p "$WORK/logs"
cleanup() {
  [ -n "$ZORNA_PID" ] && kill "$ZORNA_PID" 2>/dev/null || true
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[$i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT
export XDG_CURRENT_DESKTOP=sway
export ZORNA_HOME="$WORK/program"
export ZORNA_CONFIG_DIR="$WORK/config"
mkdir -p "$ZORNA_CONFIG_DIR"

# The desktop: every pixel of its own colour, so a picture of any part says where it came from.
/usr/bin/python3 - "$WORK/desktop-picture.png" "$OUTPUT_W" "$OUTPUT_H" <<'PY'
import sys
from PIL import Image
w, h = int(sys.argv[2]), int(sys.argv[3])
im = Image.new("RGB", (w, h))
im.putdata([(x & 255, y & 255, ((x >> 8) | ((y >> 8) << 3)) * 8) for y in range(h) for x in range(w)])
im.save(sys.argv[1])
PY
cat >"$WORK/sway.config" <<CFG
output HEADLESS-1 resolution ${OUTPUT_W}x${OUTPUT_H} position 0,0 bg $WORK/desktop-picture.png stretch
default_border none
xwayland disable
seat * hide_cursor 100
focus_follows_mouse yes
CFG
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c "$WORK/sway.config" >"$WORK/logs/sway.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 600); do
  [ -S "$XDG_RUNTIME_DIR/wayland-1" ] && ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1 && break
  sleep 0.1
done
export WAYLAND_DISPLAY=wayland-1
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1)
export SWAYSOCK
[ -n "$SWAYSOCK" ] || { echo "sway did not start"; exit 1; }
dbus-update-activation-environment XDG_RUNTIME_DIR WAYLAND_DISPLAY XDG_CURRENT_DESKTOP
start_pipewire
VNC_PORT=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
wayvnc 127.0.0.1 "$VNC_PORT" >"$WORK/logs/wayvnc.log" 2>&1 &
PIDS+=($!)

start_portal

ZORNA_LOG="$WORK/logs/zorna.log"
REFERENCE="$WORK/desktop-picture.png"  # what the screen shows without the program
ZORNA_E2E_PATIENCE=6  # a loaded machine: every wait below is on a condition, bounded widely
source "$WORK/scripts/eventually.bash"

# The pointer: one VNC connection for the whole test.
start_input "$WORK/logs/pointer.log" /usr/bin/python3 "$WORK/scripts/rfb_pointer.py" "$VNC_PORT"
pointer() { input "$@"; }

key() {
  wtype -k "$1"
}

shot() {
  grim -o HEADLESS-1 "$1"
}

# At a fractional scale the desktop shrinks its picture drawn at 2: the settled screen is what the
# checks compare with; its size is one the scale divides (else the portal's copy loses a row).
set_scale() {
  OUTPUT_W=1280 OUTPUT_H=800
  [ "$1" = 1.5 ] && OUTPUT_W=1200 OUTPUT_H=750
  swaymsg output HEADLESS-1 resolution "${OUTPUT_W}x$OUTPUT_H" scale "$1" >/dev/null
  # A move puts the pointer left of the columns that the tests compare (the program shows it
  # again over its window); it hides after a tenth of a second when still.
  # The background is drawn again for the new scale: wait until
  # the screen shows the picture.
  pointer move 100 $((OUTPUT_H - 60))
  REFERENCE="$WORK/desktop-picture.png"
  if [ "${1%.*}" != "$1" ]; then
    rm -f "$WORK/settled.png"
    eventually 20 settled || { echo "the screen did not settle at scale $1"; exit 1; }
    REFERENCE="$WORK/settled.png"
  fi
  eventually 20 same_outside 0 ||
    { echo "the desktop picture did not appear at scale $1"; exit 1; }
}

# The screen is as it was at the last try.
settled() { shot "$WORK/now.png" && cmp -s "$WORK/now.png" "$WORK/settled.png" || ! mv "$WORK/now.png" "$WORK/settled.png"; }

# Screenshot checks against the desktop picture (screen_checks.py).
check() {
  local what=$1
  shift
  shot "$WORK/now.png"
  /usr/bin/python3 "$WORK/scripts/screen_checks.py" "$what" "$REFERENCE" "$WORK/now.png" "$@"
}

# The screen shows the desktop picture from device column $1 rightwards (the container lies
# left of it).
same_outside() {
  check same "$1" 0 "$OUTPUT_W" "$OUTPUT_H"
}

seed_settings() {
  printf '[Dial\xf3g]\r\n1=2\r\n2=2\r\n5=2\r\n' >"$ZORNA_CONFIG_DIR/Zorna.ini"
}

# The program is up once the screen differs from the desktop at the container's corner.
container_shown() {
  check differs 10 10 60 60
}

start_zorna() {
  QT_QPA_PLATFORM=wayland "$WORK/program/zorna" >"$WORK/logs/zorna.log" 2>&1 &
  ZORNA_PID=$!
  eventually 30 container_shown || { echo "the window did not appear"; exit 1; }
}
