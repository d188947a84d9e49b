#!/usr/bin/env bash
# The program installed into a read-only prefix and started by a new user: the first start
# copies the installed data into the user's data folder, the gallery opens from there, a
# picture added to the gallery is written there and nothing into the prefix, and the next start
# keeps what the user has. A home folder where nothing can be made leaves the program running
# from the installed data, after saying so.
source "$(dirname "$0")/xvfb_session.bash"

root="$WORK/root"
DESTDIR="$root" cmake --install "$ZORNA_BUILD_DIR" --prefix /usr >"$WORK/install.log" ||
  { cat "$WORK/install.log"; exit 1; }
installed="$root/usr/share/zorna"
chmod -R a-w "$root"
trap 'chmod -R u+w "$root"; cleanup' EXIT
prefix_state() { (cd "$root" && find . -printf '%p %s %T@ %m\n' | sort); }
prefix_state >"$WORK/prefix.before"

# A new user: nothing in the home folder; no hint boxes (the settings lie outside it).
unset ZORNA_HOME XDG_DATA_HOME XDG_CONFIG_HOME
export HOME="$WORK/jana"
mkdir "$HOME"
ZORNA_PROGRAM_DIR="$root/usr/bin"
user="$HOME/.local/share/zorna"
convert -size "${SCREEN_W}x${SCREEN_H}" gradient:'#204080-#e0c060' \
  -fill '#c03030' -draw 'rectangle 600,400 700,500' -type TrueColor "BMP3:$WORK/screen.bmp"
export ZORNA_SCREEN_IMAGE="$WORK/screen.bmp"
seed_settings "3=2" "4=2" "10=2"

start_zorna
diff -r "$installed" "$user" || { echo "the data folder was not seeded whole"; exit 1; }
[ -z "$(find "$user" -type l)" ] || { echo "the data folder holds links"; exit 1; }

xdotool mousemove --sync 620 420 click 1  # takes a 64 x 64 square
xdotool key ctrl+g
row=$(eventually 20 gallery_tree_row 1) || { echo "the gallery did not open: $row"; exit 1; }
xdotool mousemove --sync 80 "$row" click 1
ls "$user/Data" >"$WORK/data.before"
xdotool mousemove --sync 141 $(($(library_top) + 22)) click 1  # "Pridať vytvorený obrázok do galérie"
wait_focus_moved_from "Zorna"
xdotool key Return
added() { ls "$user/Data" | comm -13 "$WORK/data.before" - | grep .; }
picture=$(eventually 20 added) || { echo "no picture was added: $picture"; exit 1; }
echo "added $picture"
xdotool key Escape
wait_zorna_exit
prefix_state | diff "$WORK/prefix.before" - || { echo "the prefix was written into"; exit 1; }

# The second start leaves the user's folder as it is, their changes too.
cp "$user/Data/$picture" "$WORK/added.iko"
echo "<p>moja poznámka</p>" >>"$user/pomoc/pomoc.htm"
cp "$user/pomoc/pomoc.htm" "$WORK/pomoc.htm"
start_zorna
xdotool key Escape
wait_zorna_exit
cmp "$WORK/added.iko" "$user/Data/$picture" || { echo "the added picture changed"; exit 1; }
cmp "$WORK/pomoc.htm" "$user/pomoc/pomoc.htm" || { echo "the user's help page was replaced"; exit 1; }

# A home folder that is a file: nothing can be made in it. The program warns, then runs from the
# installed data with its gallery.
export HOME="$WORK/subor"
touch "$HOME"
"$ZORNA_PROGRAM_DIR/zorna" >"$WORK/zorna.log" 2>&1 &
ZORNA_PID=$!
warned() { [ "$(focused_window_name)" = "Pozor!" ]; }
eventually 30 warned >/dev/null || { echo "no warning, focus on '$(focused_window_name || true)'"; exit 1; }
xdotool key Return
eventually 30 zorna_painted >/dev/null || { echo "the window did not appear painted"; exit 1; }
xdotool key ctrl+g
eventually 20 gallery_tree_row 1 >/dev/null || { echo "the installed gallery did not open"; exit 1; }
xdotool key ctrl+g Escape
wait_zorna_exit
prefix_state | diff "$WORK/prefix.before" - || { echo "the prefix was written into"; exit 1; }
echo "seeded, kept, and run read-only when the home folder is unusable"
