# Shared by the Wayland session helpers; sourced, not run. Compositors will not run as root, or
# not with a session of their own: a script started as root (CI) runs again as an unprivileged
# user, on copies in WORK that this user can read, inside a private session bus.

# Runs the script copy $1 again there, with the variables given after it (NAME=value), prints the
# logs of a failed run, removes WORK and ends with the run's status.
run_as_user() {
  local script=$1 status=0 log
  shift
  local as_user=()
  chmod 700 "$WORK/runtime"
  if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$WORK"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  "${as_user[@]}" env -i PATH="$WORK/bin:/usr/local/bin:/usr/bin:/bin" HOME="$WORK/user" \
    LANG=C.UTF-8 XDG_RUNTIME_DIR="$WORK/runtime" WORK="$WORK" CI="${CI:-}" "$@" \
    dbus-run-session -- bash "$script" 2>"$WORK/session.log" || status=$?
  if [ "$status" -ne 0 ]; then
    for log in "$WORK"/session.log "$WORK"/logs/*.log; do
      [ -e "$log" ] || continue
      echo "--- $(basename "$log")"
      grep -v CRITICAL "$log" | tail -20 || true
    done
  fi
  rm -rf "$WORK"
  exit "$status"
}

# pipewire, for the portal (and for GNOME's remote desktop), without its realtime module: that
# module asks the portal at start while the portal, starting at the same time, waits for
# pipewire; the two would wait for each other until a time-out.
start_pipewire() {
  mkdir -p "$HOME/.config/pipewire"
  sed '/{ name = libpipewire-module-rt/,/^    }/d' /usr/share/pipewire/pipewire.conf \
    >"$HOME/.config/pipewire/pipewire.conf"
  pipewire >"$WORK/logs/pipewire.log" 2>&1 &
  PIDS+=($!)
  for _ in $(seq 600); do [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && return 0; sleep 0.1; done
  echo "pipewire did not start"
  exit 1
}

# The portal starts on its first call, with the backends it needs. That start now and then takes
# some 25 seconds (the wlroots backend answers the portal's first question late); a first call
# from the program would pay for it within its own 30-second limit.
start_portal() {
  gdbus call --session --timeout 90 --dest org.freedesktop.portal.Desktop \
    --object-path /org/freedesktop/portal/desktop \
    --method org.freedesktop.DBus.Introspectable.Introspect >"$WORK/logs/portal.log" 2>&1 ||
    { echo "the desktop portal did not start"; exit 1; }
  grep -q org.freedesktop.portal.Screenshot "$WORK/logs/portal.log" ||
    { echo "the desktop portal has no Screenshot interface"; exit 1; }
}
