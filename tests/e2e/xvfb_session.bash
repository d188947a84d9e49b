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
for n in $(seq 90 140); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then DISPLAY_NUM=$n; break; fi
done
Xvfb ":$DISPLAY_NUM" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUM"
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
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

start_zorna() {
  "$ZORNA_PROGRAM_DIR/zorna" >"$WORK/zorna.log" 2>&1 &
  ZORNA_PID=$!
  for _ in $(seq 150); do
    xdotool search --name '^Zorna$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool search --name '^Zorna$' >/dev/null 2>&1 || { echo "the window did not appear"; cat "$WORK/zorna.log"; exit 1; }
  sleep 1
}

wait_zorna_exit() {
  for _ in $(seq 100); do kill -0 "$ZORNA_PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$ZORNA_PID" 2>/dev/null; then echo "the program did not end"; exit 1; fi
  wait "$ZORNA_PID" || { echo "the program failed"; cat "$WORK/zorna.log"; exit 1; }
  ZORNA_PID=""
}
