# Sourced by the end-to-end session helpers: waiting for what the program shows. Needs WORK,
# ZORNA_PID (empty while no program runs) and ZORNA_LOG (the program's output).

# Runs a command until it succeeds, at most $1 seconds, and shows the output of its last try.
# Gives up at once when the program under test has ended.
eventually() {
  local deadline=$((SECONDS + $1 * ${ZORNA_E2E_PATIENCE:-1}))  # a loaded machine waits longer
  shift
  until "$@" >"$WORK/eventually.log" 2>&1; do
    if [ -n "$ZORNA_PID" ] && ! kill -0 "$ZORNA_PID" 2>/dev/null; then
      echo "the program ended:"
      cat "$ZORNA_LOG"
      return 1
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      cat "$WORK/eventually.log"
      return 1
    fi
    sleep 0.1
  done
  cat "$WORK/eventually.log"
}

# One input helper for the whole test, given as a command after its log file: it answers each
# line ("move X Y", "click X Y", "key NAME") with "ok". input LINE sends one.
start_input() {
  INPUT_LOG=$1
  shift
  mkfifo "$WORK/input.in" "$WORK/input.out"
  "$@" <"$WORK/input.in" >"$WORK/input.out" 2>"$INPUT_LOG" &
  PIDS+=($!)
  exec 7>"$WORK/input.in" 8<"$WORK/input.out"
}
input() {
  local reply=""
  echo "$*" >&7
  read -r -t 30 reply <&8 || true
  [ "$reply" = ok ] || { echo "input '$*' failed: $reply $(cat "$INPUT_LOG")"; exit 1; }
}

# The program, just started, shows a message ($1 checks for it) on what went wrong ($2, "after
# a refusal"): Return ends it with status 1, and the settings stay as they were ($3, their
# checksum before).
told_and_ended() {
  local status=0
  eventually 20 "$1" || { echo "no message $2"; exit 1; }
  key Return
  # Now and then the desktop gives a new box the keyboard only once it is clicked (as a user
  # would): a click on the box, in the middle of the screen, and Return once more.
  for _ in $(seq 50); do kill -0 "$ZORNA_PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$ZORNA_PID" 2>/dev/null; then
    echo "Return did not reach the box; once more after a click" >&2
    pointer click $((OUTPUT_W / 2)) $((OUTPUT_H / 2))
    key Return
  fi
  wait_zorna_exit || status=$?
  [ "$status" -eq 1 ] || { echo "$2 the program ended with $status"; exit 1; }
  [ "$(md5sum <"$ZORNA_CONFIG_DIR/Zorna.ini")" = "$3" ] || { echo "$2 the settings were written"; exit 1; }
  echo "$2: told, ended, nothing written"
}

# Waits until the program ends (at most a minute), then returns its exit status.
wait_zorna_exit() {
  for _ in $(seq 600); do kill -0 "$ZORNA_PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$ZORNA_PID" 2>/dev/null; then echo "the program did not end"; exit 1; fi
  local status=0
  wait "$ZORNA_PID" || status=$?
  ZORNA_PID=""
  return "$status"
}
