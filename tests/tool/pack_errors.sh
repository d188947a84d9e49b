#!/usr/bin/env bash
# zornatool's pack commands with bad arguments, missing files, damaged and hostile packs: one
# line saying what is wrong, status 2 for bad arguments and 1 for files, and never a file
# written outside the folder named as the root.
set -euo pipefail

TOOL="${ZORNA_PROGRAM_DIR:?}/zornatool"
[[ -x "$TOOL" ]] || { echo "zornatool not built at $TOOL"; exit 1; }
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

fail() { echo "FAIL: $*"; exit 1; }
# expect STATUS COMMAND...: runs it, checks the status and that stderr says something.
expect() {
  local want="$1"; shift
  local got=0
  "$@" >out.txt 2>err.txt || got=$?
  [[ "$got" -eq "$want" ]] || fail "$* gave $got, not $want: $(cat err.txt)"
  if [[ "$want" -ne 0 ]]; then
    [[ -s err.txt ]] || fail "$* said nothing"
    grep -q '^zornatool: ' err.txt || fail "$* said: $(cat err.txt)"
  fi
}

expect 2 "$TOOL" pack f
expect 2 "$TOOL" pack -o x.mk
expect 2 "$TOOL" unpack
expect 2 "$TOOL" list
expect 2 "$TOOL" unpack a.mk --bogus
expect 2 "$TOOL" iko-encode
expect 1 "$TOOL" unpack missing.mk
expect 1 "$TOOL" list missing.mk

printf 'x' >x
expect 1 "$TOOL" pack -o p.mk x missing
[[ ! -e p.mk ]] || fail "a failed pack left a file"
[[ "$(ls -A | wc -l)" -eq 3 ]] || fail "stray files: $(ls -A)"  # x, out.txt, err.txt

mkdir -p root/Data
: >empty.mk
expect 1 "$TOOL" unpack empty.mk -C root/Data --root root
grep -q 'empty' err.txt || fail "empty pack: $(cat err.txt)"
printf 'just some text, no pack at all\n' >text.mk
expect 1 "$TOOL" unpack text.mk -C root/Data --root root
[[ -z "$(find root -type f)" ]] || fail "a file that is not a pack left files"

# A good pack of two entries, then cut inside the second name, its block header and its data.
printf 'a\0\1\0\0\3\0ONEsecond\0\1\0\0\3\0TWO' >good.mk
expect 0 "$TOOL" unpack good.mk -C root/Data --root root
[[ "$(cat root/Data/second)" == "TWO" ]] || fail "good pack"
for cut in 12 17 19 21 24; do
  rm -rf root/Data && mkdir -p root/Data
  head -c "$cut" good.mk >cut.mk
  expect 1 "$TOOL" unpack cut.mk -C root/Data --root root
  [[ "$(cat root/Data/a)" == "ONE" ]] || fail "cut at $cut lost the first entry"
  expect 1 "$TOOL" list cut.mk
  [[ "$(head -c 2 out.txt)" == $'a\t' ]] || fail "list of a cut pack: $(cat out.txt)"
done
# More blocks than the file holds, and a method that does not exist.
printf 'a\0\377\377\0\3\0abc' >many.mk
expect 1 "$TOOL" unpack many.mk -C root/Data --root root
printf 'a\0\1\0\11\3\0abc' >method.mk
expect 1 "$TOOL" unpack method.mk -C root/Data --root root
grep -q 'method 9' err.txt || fail "unknown method: $(cat err.txt)"

# A pack whose layout is whole but one of whose blocks does not decode names that entry.
expect 1 "$TOOL" unpack "${ZORNA_SOURCE_DIR:?}/tests/data/pack/invalid/pack-block-of-second-entry-does-not-decode.mk" -C root/Data --root root
grep -q 'damaged: a block of damaged.bin' err.txt || fail "damaged block: $(cat err.txt)"

# Hostile names: climbing out, absolute paths, a link planted in the root.
mkdir -p outside
ln -s "$WORK/outside" root/Skin
printf '..\\..\\evil\0\1\0\0\1\0!' >hostile.mk
printf '\\tmp\\evil\0\1\0\0\1\0!' >>hostile.mk
printf 'C:\\Zorna\\Skin\\..\\..\\evil\0\1\0\0\1\0!' >>hostile.mk
printf '..\\Skin\\evil\0\1\0\0\1\0!' >>hostile.mk
printf 'kept\0\1\0\0\1\0k' >>hostile.mk
expect 1 "$TOOL" unpack hostile.mk -C root/Data --root root
[[ "$(grep -c '^zornatool: skipped' err.txt)" -eq 4 ]] || fail "skips: $(cat err.txt)"
[[ ! -e evil && ! -e /tmp/evil && -z "$(ls -A outside)" ]] || fail "an entry left the root"
[[ "$(cat root/Data/kept)" == "k" ]] || fail "the entry after the hostile ones"

# Gallery pictures: only "BM6" bitmaps of at most 65 025 bytes; a damaged one is decoded as far
# as it goes.
printf 'GIF89a' >not.bmp
expect 1 "$TOOL" iko-encode not.bmp -o not.iko
[[ ! -e not.iko ]] || fail "iko written for a bad bitmap"
: >empty.iko
expect 1 "$TOOL" iko-decode empty.iko -o empty.bmp
[[ "$(cat empty.bmp)" == "BM6" ]] || fail "damaged picture"
printf '\1\7\7ab\7\7\0\377z' >big.iko
expect 1 "$TOOL" iko-decode big.iko -o big.bmp
[[ "$(cat big.bmp)" == "BM6ab" ]] || fail "overflowing record: $(od -c big.bmp | head -2)"
# A folder, a device or a pipe where a file is read is refused by its name, never read.
mkdir odd.bmp && mkfifo odd.iko && mkdir -p home/Data && printf 'G\r\n\tA\r\n' >home/strom.trv
for odd in "odd.bmp iko-encode odd.bmp -o x.iko" "/dev/zero iko-encode /dev/zero -o x.iko" \
           "odd.iko iko-decode odd.iko -o x.bmp" "odd.bmp gallery add 1 odd.bmp -C home" \
           "odd.iko unpack odd.iko"; do
  read -r name args <<<"$odd"
  expect 1 timeout 10 "$TOOL" $args
  grep -q "$name: " err.txt || fail "$args said: $(cat err.txt)"
done
echo "pack errors: ok"
