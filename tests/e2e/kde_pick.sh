#!/usr/bin/env bash
# On KDE Plasma's compositor (Wayland): the screen copy comes through KDE's portal and is shown
# one to one; a click picks the square under the pointer, the arrow keys move the pick by one
# pixel, Ctrl+C puts the result on the clipboard while the program runs, Escape ends it.
# The copy outlasts the program.
DESKTOP=kde
source "$(dirname "$0")/desktop_session.bash"

seed_settings
# KDE's copies show the pointer: within the container's columns no comparison below sees it.
pointer move 100 $((OUTPUT_H - 60))
start_zorna
eventually 10 check same 700 0 "$OUTPUT_W" "$OUTPUT_H" ||
  { echo "the screen copy is not shown one to one"; exit 1; }
pick_nudge_copy_end
echo "one to one, picked, nudged, copied, ended, still pasted"
