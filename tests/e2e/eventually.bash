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

# Waits until the program ends (at most a minute), then returns its exit status.
wait_zorna_exit() {
  for _ in $(seq 600); do kill -0 "$ZORNA_PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$ZORNA_PID" 2>/dev/null; then echo "the program did not end"; exit 1; fi
  local status=0
  wait "$ZORNA_PID" || status=$?
  ZORNA_PID=""
  return "$status"
}
