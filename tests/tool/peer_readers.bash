# Shared by the scripts that have zornatool's files read by programs nobody here wrote. Sourced,
# not run. Sets TOOL, PYTHON (a python3 with Pillow and GdkPixbuf) and WORK (removed at exit),
# and checks that the programs named as "program:package" arguments are there.
TOOL="${ZORNA_PROGRAM_DIR:?}/zornatool"
[[ -x "$TOOL" ]] || { echo "zornatool not built at $TOOL"; exit 1; }
for program in "$@"; do
  command -v "${program%%:*}" >/dev/null || { echo "missing ${program%%:*} (apt package ${program##*:})"; exit 1; }
done
PYTHON=""
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c "import PIL, gi; gi.require_version('GdkPixbuf', '2.0')" 2>/dev/null; then
    PYTHON="$candidate"
    break
  fi
done
[[ -n "$PYTHON" ]] || { echo "missing python3 with Pillow and GdkPixbuf (python3-pil, python3-gi, gir1.2-gdkpixbuf-2.0)"; exit 1; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# A command's refusal: exit status $1, one line on stderr matching $2; the script ends
# otherwise.
expect_refusal() {
  local want="$1" pattern="$2"
  shift 2
  local status=0
  "$TOOL" "$@" 2>"$WORK/stderr" >/dev/null || status=$?
  if [[ $status -ne $want ]] || [[ $(wc -l <"$WORK/stderr") -ne 1 ]] || ! grep -q -- "$pattern" "$WORK/stderr"; then
    echo "zornatool $*: exit $status, expected $want with '$pattern'; stderr:"
    cat "$WORK/stderr"
    exit 1
  fi
}
