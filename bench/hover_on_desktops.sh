#!/usr/bin/env bash
# Hover latency on each desktop in one sitting: bench_app_hover on its private Xvfb (X11), then
# inside a headless gnome-shell and a headless kwin_wayland, started as the end-to-end runs start
# them (tests/e2e/desktop_session.bash: as an unprivileged user when run as root, with a session
# bus of its own, an output of 3840 x 2160, the largest size measured). Prints each benchmark's line: the median move, the
# moves whose wait ended before the preview was painted, the wait used, and the sizes the window
# and the screen picture really got (a compositor may keep a window smaller than asked).
#   bench/hover_on_desktops.sh [path/to/bench_app_hover]   (default: build-test/bench/)
set -euo pipefail

if [ -n "${ZORNA_DESKTOP_STAGE:-}" ]; then
  # Inside the desktop's session, as the unprivileged user.
  source "$(dirname "$0")/desktop_session.bash"
  ZORNA_BENCH_SESSION=1 "$WORK/program/bench_app_hover"
  exit 0
fi

here=$(dirname "$(readlink -f "$0")")
e2e=$(readlink -f "$here/../tests/e2e")
bench=$(readlink -f "${1:-$here/../build-test/bench/bench_app_hover}")
[ -x "$bench" ] || { echo "no benchmark at $bench (cmake --build build-test --target bench_app_hover)"; exit 1; }
KDE_QML=${ZORNA_KDE_QML:-/usr/local/share/zorna-e2e/kde-qml}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The benchmark's lines of a run whose output is in $log; all of it when the run failed.
medians() {
  if [ "$1" -eq 0 ]; then grep '^BM_HoverToPainted' "$log"; else echo "failed ($1):"; cat "$log"; fi
}

echo "== X11 (private Xvfb)"
status=0
"$bench" >"$log" 2>&1 || status=$?
medians "$status"

for DESKTOP in gnome kde; do
  echo "== $DESKTOP (headless, Wayland)"
  compositor=gnome-shell
  [ "$DESKTOP" = kde ] && compositor=kwin_wayland
  command -v "$compositor" >/dev/null || { echo "skipped: no $compositor"; continue; }
  # The WORK that desktop_session.bash expects, as its own first stage lays it out.
  status=0
  (
    source "$e2e/user_session.bash"
    WORK=$(mktemp -d)
    chmod 755 "$WORK"
    mkdir -p "$WORK/program" "$WORK/scripts" "$WORK/runtime" "$WORK/user/Pictures" "$WORK/bin"
    cp "$bench" "$WORK/program/"
    cp "$here/hover_on_desktops.sh" \
      "$e2e"/{desktop_session.bash,user_session.bash,eventually.bash,screen_checks.py,input_lines.py} \
      "$e2e/${DESKTOP}_input.py" "$e2e/${DESKTOP}_shot.py" "$WORK/scripts/"
    # Without the file capability that a container may not grant (see desktop_session.bash).
    [ "$DESKTOP" = kde ] && cp "$(command -v kwin_wayland)" "$WORK/bin/"
    run_as_user "$WORK/scripts/hover_on_desktops.sh" ZORNA_DESKTOP_STAGE=session \
      DESKTOP="$DESKTOP" KDE_QML="$KDE_QML" ZORNA_E2E_PATIENCE="${ZORNA_E2E_PATIENCE:-6}" \
      ZORNA_DESKTOP_OUTPUT_W=3840 ZORNA_DESKTOP_OUTPUT_H=2160
  ) >"$log" 2>&1 || status=$?
  medians "$status"
done
