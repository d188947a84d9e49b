#!/usr/bin/env bash
# On KDE Plasma's compositor (Wayland): the screen copy comes through KDE's portal and is shown
# one to one; a click picks the square under the pointer, the arrow keys move the pick by one
# pixel, Ctrl+C puts the result on the clipboard while the program runs, Escape ends it.
DESKTOP=kde
source "$(dirname "$0")/desktop_session.bash"

seed_settings
# KDE's copies show the pointer: within the container's columns no comparison below sees it.
pointer move 100 $((OUTPUT_H - 60))
start_zorna
eventually 10 check same 700 0 "$OUTPUT_W" "$OUTPUT_H" ||
  { echo "the screen copy is not shown one to one"; exit 1; }
pointer click 861 401
eventually 10 square_shown 861 401 || { echo "the click did not pick the square under the pointer"; exit 1; }
key Right
key Down
pointer click 861 401  # a click where the pointer already is: no move, the nudged pick stays
eventually 10 square_shown 862 402 || { echo "the arrow keys did not move the pick by one pixel"; exit 1; }
key Control_L+c
eventually 10 pasted_result 862 402 || { echo "the copy did not reach the clipboard"; exit 1; }
pointer click 862 402
eventually 10 square_shown 862 402 || { echo "the pick moved"; exit 1; }
key Escape
wait_zorna_exit || { echo "the program failed"; cat "$ZORNA_LOG"; exit 1; }
echo "one to one, picked, nudged, copied and ended"
