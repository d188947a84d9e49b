#!/usr/bin/env bash
# A result copied to the clipboard can still be pasted after the program has ended, as PNG and
# BMP; the process that keeps it ends once another program takes the clipboard.
source "$(dirname "$0")/xvfb_session.bash"
if ! command -v xclip >/dev/null; then
  echo "missing xclip" >&2
  if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
fi
XCLIP_PID=""
trap 'cleanup; [ -n "$XCLIP_PID" ] && kill "$XCLIP_PID" 2>/dev/null || true' EXIT

# A 64 x 64 square of four colours at (600, 300).
four_colour_screen "$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings
start_zorna
xdotool mousemove --sync 600 300 click 1
sleep 0.5
xdotool key ctrl+c
eventually 10 xclip -selection clipboard -t TARGETS -o >/dev/null ||
  { echo "the copy did not reach the clipboard"; exit 1; }
xdotool key Escape
wait_zorna_exit

# The keeper of this display's clipboard, if one runs.
keeper_pid() {
  local pid
  for pid in $(pgrep -x zorna-clipboard); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && echo "$pid"
  done
}
# The keeper may still be taking over the clipboard when the program's process is gone.
offers_png_and_bmp() {
  xclip -selection clipboard -t TARGETS -o >"$WORK/targets" 2>&1 || true
  grep -qx image/png "$WORK/targets" && grep -qx image/bmp "$WORK/targets"
}
eventually 10 offers_png_and_bmp >/dev/null ||
  { echo "after the end the clipboard offers: $(cat "$WORK/targets")"; exit 1; }
xclip -selection clipboard -t image/png -o >"$WORK/pasted.png"
xclip -selection clipboard -t image/bmp -o >"$WORK/pasted.bmp"
for pasted in "$WORK/pasted.png" "$WORK/pasted.bmp"; do
  [ "$(identify -format '%wx%h' "$pasted")" = 64x64 ] ||
    { echo "$(basename "$pasted") is not the 64 x 64 result"; exit 1; }
  for spot in "5 5 #FF0000" "40 5 #0000FF" "5 40 #00FF00" "40 40 #FFFF00"; do
    set -- $spot
    [ "$(pixel_at "$pasted" "$1" "$2")" = "$3" ] ||
      { echo "$(basename "$pasted") at ($1, $2) is $(pixel_at "$pasted" "$1" "$2"), not $3"; exit 1; }
  done
done
keeper=$(keeper_pid)
[ -n "$keeper" ] || { echo "no process keeps the clipboard"; exit 1; }

# Another program takes the clipboard: the keeper ends.
echo "other text" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
XCLIP_PID=$!
for _ in $(seq 50); do kill -0 "$keeper" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$keeper" 2>/dev/null; then echo "the keeper did not end"; exit 1; fi
echo "pasted after the end as PNG and BMP; the keeper ended when the clipboard was taken"
