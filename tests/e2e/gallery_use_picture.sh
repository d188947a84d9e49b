#!/usr/bin/env bash
# Ctrl+G opens the gallery; a click on a category in the tree fills its picture toolbar, a click
# on a picture opens its menu, and "Použiť obrázok" paints it into the placement slot and takes
# it into the result, which then shows the picture's pixels.
source "$(dirname "$0")/xvfb_session.bash"

convert -size "${SCREEN_W}x${SCREEN_H}" xc:'#808080' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
# The root caption, then two categories; the picture goes to category 1.
printf 'GAL\xc9RIA\r\n\tFARBY\r\n\tZVIERAT\xc1\r\n' >"$ZORNA_HOME/strom.trv"
convert -size 32x32 xc:'#ff0000' -fill '#0000ff' -draw 'rectangle 16,0 31,31' \
  -type TrueColor "BMP3:$WORK/halves.bmp"
"$ZORNA_PROGRAM_DIR/zornatool" gallery add 1 "$WORK/halves.bmp" -C "$ZORNA_HOME" >/dev/null
seed_settings "3=2" "4=2" "10=2"
start_zorna
xdotool key ctrl+g

row=$(eventually 20 gallery_tree_row 1) || { echo "the gallery did not open: $row"; exit 1; }
xdotool mousemove --sync 80 "$row" click 1
y=$(($(library_top) + 22))

# The first small picture's button, top left of the picture area right of the tree.
picture_shown() {
  import -window root "$WORK/shot.png"
  [ "$(pixel_at "$WORK/shot.png" 200 "$y")" = "#FF0000" ] && [ "$(pixel_at "$WORK/shot.png" 210 "$y")" = "#0000FF" ]
}
eventually 20 picture_shown >/dev/null || { echo "the category's picture did not appear"; exit 1; }
xdotool mousemove --sync 205 "$y" click 1
sleep 0.5
xdotool key Down Return  # "Použiť obrázok", the menu's first command
xdotool key ctrl+g       # the panel closes; the result panel is under it

picture_taken() {
  import -window root "$WORK/shot.png"
  /usr/bin/python3 "$(dirname "$0")/halves_placed_and_taken.py" "$WORK/shot.png"
}
eventually 20 picture_taken
xdotool key Escape
wait_zorna_exit
