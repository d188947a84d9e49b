# Shared by the zornatool scripts: the tool, a scratch folder to work in (the current folder),
# and ImageMagick where a script reads pictures back. Sourced, not run. Sets TOOL and WORK.
set -euo pipefail

TOOL="${ZORNA_PROGRAM_DIR:?}/zornatool"
[[ -x "$TOOL" ]] || { echo "zornatool not built at $TOOL"; exit 1; }
command -v convert >/dev/null || { echo "skipped: ImageMagick's convert is missing"; exit 77; }
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

fail() { echo "FAIL: $*"; exit 1; }
# expect STATUS ARGS...: runs zornatool with its output in out.txt and err.txt; a failure must
# say so in one line on stderr.
expect() {
  local want="$1"; shift
  local got=0
  "$TOOL" "$@" >out.txt 2>err.txt || got=$?
  [[ "$got" -eq "$want" ]] || fail "zornatool $* gave $got, not $want: $(cat err.txt)"
  if [[ "$want" -ne 0 ]]; then
    [[ "$(wc -l <err.txt)" -eq 1 ]] && grep -q '^zornatool: ' err.txt ||
      fail "zornatool $* said: $(cat err.txt)"
  fi
}
