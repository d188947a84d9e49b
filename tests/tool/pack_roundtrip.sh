#!/usr/bin/env bash
# zornatool packs a folder of files and unpacks it to identical bytes, lists what a pack holds,
# writes the program's own layout, places a gallery update as the program does, and keeps
# gallery pictures intact through iko-encode and iko-decode.
set -euo pipefail

TOOL="${ZORNA_PROGRAM_DIR:?}/zornatool"
[[ -x "$TOOL" ]] || { echo "zornatool not built at $TOOL"; exit 1; }
command -v python3 >/dev/null || { echo "missing python3"; exit 1; }
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

fail() { echo "FAIL: $*"; exit 1; }

# Files of every block count and kind: empty, one block exactly, one byte over, noise, runs,
# short periods, a 24-bit bitmap; names with diacritics and nested folders.
mkdir -p files/Modrý files/deep/er
: >files/empty
head -c 200000 /dev/urandom >files/noise.bin
python3 - <<'PY'
import random, struct
random.seed(7)
open("files/exact.bin", "wb").write(b"a" * 65025)
open("files/Modrý/over.bin", "wb").write(bytes(65025) + b"\x01")
runs = bytearray()
while len(runs) < 300000:
    runs += bytes([random.randrange(4)]) * random.choice([1, 2, 7, 300, 5000])
open("files/deep/er/runs.bin", "wb").write(bytes(runs))
open("files/deep/period.bin", "wb").write(b"\x12\x80\xf1" * 40000 + b"ABAB" * 9000)
w = h = 64
pixels = bytearray()
for y in range(h):
    for x in range(w):
        pixels += bytes((200, 120, 40)) if (x - 32) ** 2 + (y - 32) ** 2 < 300 else bytes((250, 250, 250))
header = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54)
header += struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open("files/čaj.bmp", "wb").write(header + pixels)
PY

mapfile -t names < <(find files -type f | LC_ALL=C sort)
"$TOOL" pack -o all.mk "${names[@]}" || fail "pack"
"$TOOL" list all.mk >listing.txt || fail "list"
[[ "$(wc -l <listing.txt)" -eq "${#names[@]}" ]] || fail "list has $(wc -l <listing.txt) lines"
grep -qP '^files\\empty\t0\t0\t-$' listing.txt || fail "empty file listed as: $(grep empty listing.txt)"
grep -qP '^files\\exact.bin\t65025\t1\t1$' listing.txt || fail "one block of one byte"
grep -qP '^files\\Modrý\\over.bin\t65026\t2\t[0-9,]+$' listing.txt || fail "65 026 bytes in two blocks"

mkdir out
"$TOOL" unpack all.mk -C out || fail "unpack"
diff -r files out/files || fail "unpacked files differ"

# The layout, byte for byte: name, 0, block count 1, method 0, length 3, data.
printf 'abc' >f
"$TOOL" pack -o tiny.mk f
[[ "$(od -An -tx1 tiny.mk | tr -d ' \n')" == "66000100000300616263" ]] || fail "tiny pack: $(od -An -tx1 tiny.mk)"
# Names are stored in code page 1250 with backslashes.
mkdir -p Dáta && printf 'z' >Dáta/x
"$TOOL" pack -o name.mk Dáta/x
[[ "$(od -An -tx1 -N8 name.mk | tr -d ' \n')" == "44e174615c780001" ]] || fail "stored name: $(od -An -tx1 name.mk)"

# A gallery update made from "Data" holds "..\strom.trv"; unpacked in a fresh program folder's
# "Data" with that folder as the root, the tree lands beside "Data".
mkdir -p prog/Data fresh/Data
printf 'STROM\n' >prog/strom.trv
cp files/čaj.bmp prog/Data/12000.iko
(cd prog/Data && "$TOOL" pack -o ../../update.mk 12000.iko ../strom.trv)
"$TOOL" unpack update.mk -C fresh/Data --root fresh || fail "update unpack"
cmp prog/strom.trv fresh/strom.trv || fail "strom.trv not in the program folder"
cmp prog/Data/12000.iko fresh/Data/12000.iko || fail "picture not in Data"
# With "Data" itself as the root, the tree may not climb out of it.
mkdir -p strict/Data
if "$TOOL" unpack update.mk -C strict/Data 2>err.txt; then fail "climbing entry not reported"; fi
grep -q 'skipped ..\\strom.trv' err.txt || fail "skip not reported: $(cat err.txt)"
[[ ! -e strict/strom.trv && -e strict/Data/12000.iko ]] || fail "strict root not kept"

# Gallery pictures: the bitmap without "BM6", one block; decoding gives the same file back.
"$TOOL" iko-encode files/čaj.bmp -o pic.iko || fail "iko-encode"
[[ "$(stat -c %s pic.iko)" -lt "$(stat -c %s files/čaj.bmp)" ]] || fail "picture did not shrink"
case "$(od -An -tu1 -N1 pic.iko | tr -d ' ')" in 0|1|2|6) ;; *) fail "method $(od -An -tu1 -N1 pic.iko)";; esac
"$TOOL" iko-decode pic.iko -o back.bmp || fail "iko-decode"
cmp files/čaj.bmp back.bmp || fail "decoded bitmap differs"
echo "pack round trip: ok"
