#!/usr/bin/env bash
# On GNOME (Wayland): the screen copy comes through GNOME's portal, top bar included, and is
# shown one to one; a click picks the square under the pointer, the arrow keys move the pick by
# one pixel, Ctrl+C puts the result on the clipboard while the program runs, Escape ends it.
# The copy outlasts the program.
# A refused screenshot permission is told, and the program ends writing no settings.
DESKTOP=gnome
source "$(dirname "$0")/desktop_session.bash"

# Right of the container: the picture below the top bar, and the top bar as it was when the
# program started, right of the clock (which may turn a minute meanwhile).
one_to_one() {
  check same 700 "$TOP_BAR_H" "$OUTPUT_W" "$OUTPUT_H" &&
    PICTURE="$WORK/desktop.png" check same 800 0 "$OUTPUT_W" "$TOP_BAR_H"
}

seed_settings
# Within the container's columns, so that no comparison below sees the pointer.
pointer move 100 $((OUTPUT_H - 60))
eventually 20 desktop_shown || { echo "the desktop picture is not shown"; exit 1; }
shot "$WORK/desktop.png"
start_zorna
eventually 10 one_to_one || { echo "the screen copy is not shown one to one"; exit 1; }
pick_nudge_copy_end
echo "one to one with the top bar, picked, nudged, copied, ended, still pasted"

# Screenshots refused: a message (not the portal's silence: its limit is far away), Return ends
# the program with status 1, and the settings stay as they were.
permit_screenshots no
before=$(md5sum <"$ZORNA_CONFIG_DIR/Zorna.ini")
ZORNA_PORTAL_TIMEOUT=3600 QT_QPA_PLATFORM=wayland "$WORK/program/zorna" >"$ZORNA_LOG" 2>&1 &
ZORNA_PID=$!
message_shown() {
  check differs 0 "$TOP_BAR_H" "$OUTPUT_W" "$OUTPUT_H" && ! container_shown
}
told_and_ended message_shown "after a refusal" "$before"
