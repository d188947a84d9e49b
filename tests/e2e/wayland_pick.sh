#!/usr/bin/env bash
# On a Wayland desktop (sway) at scale 1, 2, 1.25, 1.5: the screen copy comes through the desktop
# portal and is shown one to one, a pointer click picks the device pixels under the pointer,
# the arrow keys move the pick by one picture pixel without the pointer, Escape ends the
# program. A copied result can be pasted after the end. Without a portal the program says why
# and ends writing no settings.
source "$(dirname "$0")/wayland_session.bash"

# The 64 x 64 square of the desktop at device pixel ($1, $2), enlarged by the scale, shows in
# the container (the preview and the result); at a fractional scale the copied result is it.
square_shown() {
  [ "${scale%.*}" = "$scale" ] && { check square "$1" "$2" "$scale" 0 0 700 "$OUTPUT_H"; return; }
  wtype -M ctrl c -m ctrl
  wl-paste --no-newline -t image/png >"$WORK/pasted.png" && copied "$WORK/pasted.png" "$1" "$2"
}
copied() { /usr/bin/python3 "$WORK/scripts/screen_checks.py" copied "$REFERENCE" "$@"; }

seed_settings
for scale in 1 2 1.25 1.5; do
  set_scale "$scale"
  start_zorna
  eventually 10 same_outside 700 ||
    { echo "scale $scale: the screen copy is not shown one to one"; exit 1; }
  pointer click 861 401
  eventually 10 square_shown 861 401 ||
    { echo "scale $scale: the click did not pick the square under the pointer"; exit 1; }
  key Right
  key Down
  pointer click 861 401  # a click where the pointer already is: no move, the nudged pick stays
  eventually 10 square_shown 862 402 ||
    { echo "scale $scale: the arrow keys did not move the pick by one pixel"; exit 1; }
  key Escape
  wait_zorna_exit || { echo "scale $scale: the program failed"; cat "$WORK/logs/zorna.log"; exit 1; }
  echo "scale $scale: one to one, picked, nudged and ended"
done

# A copied result outlives the program: pasted as PNG and BMP after the end, until another
# program takes the clipboard, when its keeper ends.
if command -v wl-paste >/dev/null; then
  start_zorna
  pointer click 861 401
  eventually 10 square_shown 861 401 || { echo "no square to copy"; exit 1; }
  wtype -M ctrl c -m ctrl
  eventually 10 wl-paste --list-types >/dev/null || { echo "the copy did not reach the clipboard"; exit 1; }
  key Escape
  wait_zorna_exit || { echo "the program failed"; cat "$WORK/logs/zorna.log"; exit 1; }
  for type in png bmp; do
    wl-paste --no-newline -t "image/$type" >"$WORK/pasted.$type" ||
      { echo "after the end the clipboard offers: $(wl-paste --list-types 2>&1)"; exit 1; }
    copied "$WORK/pasted.$type" 861 401 ||
      { echo "the pasted image/$type is not the result"; exit 1; }
  done
  keeper=""
  for pid in $(pgrep -x zorna-clipboard); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" &&
      keeper=$pid
  done
  [ -n "$keeper" ] || { echo "no process keeps the clipboard"; exit 1; }
  wl-copy --foreground "other text" >/dev/null 2>&1 &
  PIDS+=($!)
  for _ in $(seq 600); do kill -0 "$keeper" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$keeper" 2>/dev/null; then echo "the keeper did not end"; exit 1; fi
  echo "pasted after the end as PNG and BMP; the keeper ended when the clipboard was taken"
fi

# No portal on the bus: a message, then the end, and the settings stay as they were.
before=$(md5sum <"$ZORNA_CONFIG_DIR/Zorna.ini")
DBUS_SESSION_BUS_ADDRESS=unix:path=$WORK/no-bus QT_QPA_PLATFORM=wayland \
  "$WORK/program/zorna" >"$WORK/logs/zorna.log" 2>&1 &
ZORNA_PID=$!
message_shown() { check differs 0 0 "$OUTPUT_W" "$OUTPUT_H"; }
told_and_ended message_shown "without a portal" "$before"

# A second screen, where the pointer is and so new windows go: the program opens and picks there.
set_scale 1
swaymsg "create_output; output HEADLESS-2 resolution 1280x800 position 1280 0 bg $REFERENCE" \
  "stretch; focus output HEADLESS-2; seat seat0 cursor set $((1280 + 861)) 401" >/dev/null
shot() { grim -o HEADLESS-2 "$1"; }
eventually 20 same_outside 0 || { echo "the second screen does not show the desktop"; exit 1; }
start_zorna
eventually 10 same_outside 700 || { echo "the second screen does not show its copy"; exit 1; }
swaymsg "seat seat0 cursor press button1; seat seat0 cursor release button1" >/dev/null
eventually 10 check square 861 401 1 0 0 700 800 || { echo "no pick on the second screen"; exit 1; }
key Escape
wait_zorna_exit || { echo "the program failed"; exit 1; }
echo "a second screen: opened there, one to one, picked"
