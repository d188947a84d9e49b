# Shared by the zornatool scripts that check pictures: a scratch folder to work in, pixel and
# size checks through ImageMagick, and exit-status checks. Sourced, not run. Sets TOOL and
# WORK; failures are counted and reported by finish_checks.
source "$(dirname "${BASH_SOURCE[0]}")/tool_session.bash"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Colour of one pixel as #RRGGBB.
pixel() { convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info: | sed 's/^/#/' | cut -c1-7; }
expect_pixel() {
  local got
  got="$(pixel "$1" "$2" "$3")"
  [[ "$got" == "$4" ]] || fail "$1 ($2,$3) is $got, expected $4"
}
expect_size() {
  local got
  got="$(identify -format '%wx%h' "$1")"
  [[ "$got" == "$2" ]] || fail "$1 is $got, expected $2"
}
# Runs zornatool and checks its exit status and that stderr has exactly one line when it fails.
expect_status() {
  local want="$1"; shift
  local status=0
  "$TOOL" "$@" 2>err.txt >/dev/null || status=$?
  [[ "$status" == "$want" ]] || fail "zornatool $* exited $status, expected $want"
  if [[ "$want" != 0 && "$(wc -l <err.txt)" != 1 ]]; then
    fail "zornatool $* wrote $(wc -l <err.txt) lines on stderr"
  fi
}

# Ends the script: the failures counted, or the line saying all passed.
finish_checks() {
  if ((failures)); then
    echo "$failures failures"
    exit 1
  fi
  echo "$1: all checks passed"
}
