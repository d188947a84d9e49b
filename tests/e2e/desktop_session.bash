# Shared by the GNOME and KDE Plasma end-to-end scripts; sourced, not run, after setting DESKTOP
# to "gnome" or "kde". Gives a headless gnome-shell or kwin_wayland of 1280 x 800 showing a
# desktop picture of its own, pipewire, the desktop portal with that desktop's backend (the screen
# copy), the desktop's own input injection and screenshots, and the helpers below. Neither runs as
# root with a session of its own in CI: a script started as root runs again as an unprivileged
# user on copies that this user can read, inside a private session bus. Sets WORK, ZORNA_HOME,
# ZORNA_CONFIG_DIR and the desktop's variables.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/user_session.bash"
# The benchmarks ask for a larger output.
OUTPUT_W=${ZORNA_DESKTOP_OUTPUT_W:-1280}
OUTPUT_H=${ZORNA_DESKTOP_OUTPUT_H:-800}
# The KDE portal builds its screenshot dialog in QML even when it asks nothing; two of the
# modules come only with plasma-workspace, which scripts/deps.sh unpacks here.
KDE_QML=${ZORNA_KDE_QML:-/usr/local/share/zorna-e2e/kde-qml}

missing() {
  echo "missing $1" >&2
  if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
}

if [ -z "${ZORNA_DESKTOP_STAGE:-}" ]; then
  case "$DESKTOP" in
    gnome) tools=(gnome-shell /usr/libexec/xdg-desktop-portal-gnome) ;;
    kde) tools=(kwin_wayland swaybg /usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde) ;;
  esac
  for tool in "${tools[@]}" dbus-run-session dbus-daemon gdbus pipewire setpriv wl-paste \
    /usr/libexec/xdg-desktop-portal /usr/bin/python3; do
    command -v "$tool" >/dev/null || missing "$tool"
  done
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    missing "Qt's Wayland platform (qt6-wayland)"
  [ "$DESKTOP" != kde ] || [ -e "$KDE_QML/org/kde/plasma/workspace/dialogs/qmldir" ] ||
    missing "plasma-workspace's QML modules in $KDE_QML (scripts/deps.sh)"
  script=$(readlink -f "$0")
  here=$(dirname "$script")
  WORK=$(mktemp -d)
  chmod 755 "$WORK"
  mkdir -p "$WORK/program" "$WORK/scripts" "$WORK/runtime" "$WORK/user/Pictures" "$WORK/bin"
  cp "$ZORNA_PROGRAM_DIR/zorna" "$ZORNA_PROGRAM_DIR/zorna-clipboard" "$WORK/program/"
  cp -r "$ZORNA_PROGRAM_DIR/Skin" "$WORK/program/" 2>/dev/null || true
  cp "$script" "$here"/{desktop_session.bash,user_session.bash,eventually.bash,screen_checks.py} \
    "$here/${DESKTOP}_input.py" "$here/${DESKTOP}_shot.py" "$here/input_lines.py" "$WORK/scripts/"
  # kwin_wayland carries a file capability (to raise its open-file limit) that a container may
  # not grant, and then cannot start; a copy has none.
  [ "$DESKTOP" = kde ] && cp "$(command -v kwin_wayland)" "$WORK/bin/"
  run_as_user "$WORK/scripts/$(basename "$script")" ZORNA_DESKTOP_STAGE=session \
    KDE_QML="$KDE_QML" ZORNA_E2E_PATIENCE="${ZORNA_E2E_PATIENCE:-6}"
fi

# --- Inside the session, as the unprivileged user ---
PIDS=()
ZORNA_PID=""
mkdir -p "$WORK/logs"
cleanup() {
  exec 7>&- 2>/dev/null || true
  [ -n "$ZORNA_PID" ] && kill "$ZORNA_PID" 2>/dev/null || true
  # The clipboard keeper outlives the program; ours is the one with our runtime folder.
  for pid in $(pgrep -x zorna-clipboard || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" &&
      kill "$pid" 2>/dev/null || true
  done
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[$i]}" 2>/dev/null || true; done
  # A compositor that hangs must not hold the test up.
  for _ in $(seq 50); do jobs -rp | grep -q . || break; sleep 0.1; done
  for pid in $(jobs -rp); do pkill -KILL -P "$pid" || true; kill -KILL "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT
export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-0
export ZORNA_HOME="$WORK/program"
export ZORNA_CONFIG_DIR="$WORK/config"
mkdir -p "$ZORNA_CONFIG_DIR"
ZORNA_LOG="$WORK/logs/zorna.log"
S="$WORK/scripts"
source "$S/eventually.bash"
py=/usr/bin/python3
$py "$S/screen_checks.py" picture "$WORK/desktop-picture.png" "$OUTPUT_W" "$OUTPUT_H"

has_name() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}
compositor_up() {
  [ -S "$XDG_RUNTIME_DIR/wayland-0" ] && has_name "$1"
}

if [ "$DESKTOP" = gnome ]; then
  export XDG_CURRENT_DESKTOP=GNOME
  # gnome-shell asks logind on the system bus whenever /run/systemd/seats exists, and dies
  # without any system bus; an empty one of our own stands in.
  dbus-daemon --session --nofork --address="unix:path=$XDG_RUNTIME_DIR/system_bus" \
    >"$WORK/logs/system-bus.log" 2>&1 &
  PIDS+=($!)
  export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/system_bus"
  eventually 10 test -S "$XDG_RUNTIME_DIR/system_bus" || { echo "no system bus"; exit 1; }
  gsettings set org.gnome.desktop.background picture-uri "file://$WORK/desktop-picture.png"
  gsettings set org.gnome.desktop.background picture-options stretched
  # No banner about the missing screen lock over the picture.
  gsettings set org.gnome.desktop.notifications show-banners false
  # GNOME starts in the overview, and may come back to it a moment after it was left.
  overview_off() {
    gdbus call --session --timeout 5 --dest org.gnome.Shell --object-path /org/gnome/Shell \
      --method org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive | grep -q false &&
      return 0
    gdbus call --session --timeout 5 --dest org.gnome.Shell --object-path /org/gnome/Shell \
      --method org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive '<false>' >/dev/null
    return 1
  }
  # Now and then gnome-shell hangs for good while it starts (its log stops after the PolicyKit
  # line, and it answers no call): it forks to start ibus-daemon and runs script code in the
  # child before the exec; the child may wait for good on a lock that another thread held at the
  # fork, and gnome-shell waits for the child. Outside systemd nothing keeps it from that start:
  # that one is ended, its child with it, and another started. A start takes 1.5 s at most here,
  # even beside three others: one without an answer in 5 s (30 s with this patience) has hung.
  for try in 1 2 3; do
    gnome-shell --headless --wayland --no-x11 --virtual-monitor "${OUTPUT_W}x$OUTPUT_H" \
      >>"$WORK/logs/gnome-shell.log" 2>&1 &
    shell_pid=$!
    PIDS+=($shell_pid)
    eventually 5 compositor_up org.gnome.Shell.Screenshot && eventually 10 overview_off && break
    [ "$try" -lt 3 ] || { echo "gnome-shell did not start"; exit 1; }
    echo "gnome-shell hung at its start (try $try), once more" >&2
    pkill -KILL -P "$shell_pid" || true
    kill -KILL "$shell_pid" 2>/dev/null || true
    wait "$shell_pid" 2>/dev/null || true
  done
else
  export XDG_CURRENT_DESKTOP=KDE
  # Fake input and KWin's own screenshots for clients without a KDE desktop file (ours).
  KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
    kwin_wayland --virtual --width "$OUTPUT_W" --height "$OUTPUT_H" --no-lockscreen \
    --no-global-shortcuts >"$WORK/logs/kwin.log" 2>&1 &
  PIDS+=($!)
  eventually 30 compositor_up org.kde.KWin.ScreenShot2 || { echo "kwin did not start"; exit 1; }
  # KWin alone draws a black desktop (Plasma's shell would draw the picture).
  swaybg -i "$WORK/desktop-picture.png" -m stretch >"$WORK/logs/swaybg.log" 2>&1 &
  PIDS+=($!)
  # The portal's backend is a Qt 5 program: Wayland only when told, and its QML modules.
  export QT_QPA_PLATFORM=wayland QML2_IMPORT_PATH="$KDE_QML"
fi
dbus-update-activation-environment --all

start_pipewire

# The screenshot permission as a user who allowed it once: without it GNOME's portal asks
# "Allow Applications to Take Screenshots?" and waits for a click.
permit_screenshots() {
  gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
    --object-path /org/freedesktop/impl/portal/PermissionStore \
    --method org.freedesktop.impl.portal.PermissionStore.SetPermission \
    screenshot true screenshot '' "['$1']" >/dev/null
}
[ "$DESKTOP" = gnome ] && permit_screenshots yes

start_portal

# Pointer and keys: one input session for the whole test.
start_input "$WORK/logs/input.log" $py "$S/${DESKTOP}_input.py"
pointer() { input "$@"; }
key() { input key "$1"; }

# The desktop's own screenshot (no pointer in it).
shot() {
  $py "$S/${DESKTOP}_shot.py" "$1" >/dev/null
}

# Screenshot checks against a picture (screen_checks.py): the desktop picture unless PICTURE
# names another.
check() {
  local what=$1
  shift
  shot "$WORK/now.png"
  $py "$S/screen_checks.py" "$what" "${PICTURE:-$WORK/desktop-picture.png}" "$WORK/now.png" "$@"
}

# The desktop picture fills the screen below GNOME's top bar (and not its overview).
TOP_BAR_H=0
[ "$DESKTOP" = gnome ] && TOP_BAR_H=32
desktop_shown() {
  { [ "$DESKTOP" != gnome ] || overview_off; } && check same 0 "$TOP_BAR_H" "$OUTPUT_W" "$OUTPUT_H"
}

# The picture's 64 x 64 square at device pixel ($1, $2) shows in the container (the preview
# and the result).
square_shown() {
  check square "$1" "$2" 1 0 0 700 "$OUTPUT_H"
}

# The clipboard holds that square as PNG.
pasted_result() {
  timeout 10 wl-paste --no-newline -t image/png >"$WORK/pasted.png" &&
    $py "$S/screen_checks.py" copied "$WORK/desktop-picture.png" "$WORK/pasted.png" "$@"
}

# With the program shown: a click picks the square under the pointer, the arrow keys move the
# pick by one pixel, Ctrl+C puts the result on the clipboard, Escape ends the program well, and
# the result can still be pasted then.
pick_nudge_copy_end() {
  pointer click 861 401
  eventually 10 square_shown 861 401 || { echo "the click did not pick the square under the pointer"; exit 1; }
  key Right
  key Down
  pointer click 861 401  # a click where the pointer already is: no move, the nudged pick stays
  eventually 10 square_shown 862 402 || { echo "the arrow keys did not move the pick by one pixel"; exit 1; }
  key Control_L+c
  eventually 10 pasted_result 862 402 || { echo "the copy did not reach the clipboard"; exit 1; }
  # wl-paste takes the keyboard for a moment; a click gives it back to the program.
  pointer click 862 402
  eventually 10 square_shown 862 402 || { echo "the pick moved"; exit 1; }
  key Escape
  wait_zorna_exit || { echo "the program failed"; cat "$ZORNA_LOG"; exit 1; }
  eventually 10 pasted_result 862 402 || { echo "the copy did not outlast the program"; exit 1; }
}

seed_settings() {
  printf '[Dial\xf3g]\r\n1=2\r\n2=2\r\n5=2\r\n' >"$ZORNA_CONFIG_DIR/Zorna.ini"
}

# The program is up once the screen differs from the desktop at the container's corner, below
# any top bar.
container_shown() {
  check differs 10 40 60 90
}

start_zorna() {
  eventually 20 desktop_shown || { echo "the desktop picture is not shown"; exit 1; }
  QT_QPA_PLATFORM=wayland "$WORK/program/zorna" >"$ZORNA_LOG" 2>&1 &
  ZORNA_PID=$!
  eventually 30 container_shown || { echo "the window did not appear"; exit 1; }
}
