#!/usr/bin/env bash
# zornatool gallery tree, list, add and update over a small program folder: captions in UTF-8,
# the loading order with its gaps, added pictures that ImageMagick reads back, an update that
# installs and a damaged one that changes nothing, and the exit statuses.
source "$(dirname "$0")/tool_session.bash"

mkdir -p home/Data
printf 'GAL\xc9RIA\r\n\tZARIADENIA\r\n\t\tPEVN\xdd DISK\r\n\t\t\xcfAL\x8aIE ZARIADENIA\r\n\tTELEF\xd3N\r\n\t\xc8ESKO\r\n' >home/strom.trv
expect 0 gallery tree -C home
printf '0\t0\tGALÉRIA\n1\t1\tZARIADENIA\n2\t2\tPEVNÝ DISK\n3\t2\tĎALŠIE ZARIADENIA\n4\t1\tTELEFÓN\n5\t1\tČESKO\n' >want.txt
cmp -s out.txt want.txt || fail "tree: $(cat out.txt)"
(cd home && "$TOOL" gallery tree | cmp -s - ../want.txt) || fail "tree without -C"

# The program's search: synonyms, the start after the current category, matching inside a
# caption from four characters on.
expect 0 gallery search myš -C home
[[ "$(cat out.txt)" == $'3\tĎALŠIE ZARIADENIA' ]] || fail "search myš: $(cat out.txt)"
expect 0 gallery search Mobil --from 4 -C home
[[ "$(cat out.txt)" == $'4\tTELEFÓN' ]] || fail "search mobil: $(cat out.txt)"
expect 0 gallery search zar --from 1 -C home
[[ "$(cut -f1 out.txt)" == 1 ]] || fail "search zar: $(cat out.txt)"
expect 0 gallery search zari --from 1 -C home
[[ "$(cut -f1 out.txt)" == 3 ]] || fail "search zari: $(cat out.txt)"
expect 3 gallery search te -C home
expect 3 gallery search "$(head -c 10000 /dev/zero | tr '\0' 'q')" -C home
expect 2 gallery search disk --from -1 -C home

# 5000, 5001 and 5003: the run stops at the missing 5002; large ones from 500 on.
for n in 000 001 003 500 501 502 503; do printf 'x' >"home/Data/5$n.iko"; done
expect 0 gallery list 5 -C home
[[ "$(tr '\n' ' ' <out.txt)" == "0 1 500 501 502 503 " ]] || fail "list 5: $(cat out.txt)"
expect 3 gallery list 4 -C home
expect 3 gallery list 0 -C home
expect 3 gallery list 6 -C home
expect 2 gallery list five -C home
expect 2 gallery list
expect 1 gallery list 5 -C missing

# Added pictures go to the first free number of their size; a 16 x 16 one is refused whole.
convert -size 64x64 xc:white -fill '#c81e1e' -draw 'rectangle 10,20 40,50' large.bmp
convert -size 32x32 xc:'#1e64c8' small.jpg
convert -size 16x16 xc:white tiny.bmp
expect 2 gallery add 5 large.bmp tiny.bmp -C home
[[ ! -e home/Data/5504.iko ]] || fail "a refused add wrote a picture"
expect 0 gallery add 5 large.bmp small.jpg -C home
[[ "$(tr '\n' ' ' <out.txt)" == "5504.iko 5002.iko " ]] || fail "add: $(cat out.txt)"
expect 0 iko-decode home/Data/5504.iko -o back.bmp
got="$(identify -format '%wx%h %[channels] %[pixel:p{20,30}] %[pixel:p{5,5}]' back.bmp)"
[[ "$got" == "64x64 srgb srgb(200,30,30) srgb(255,255,255)" ]] || fail "added picture: $got"
# A PNG's transparency turns white, the colour the gallery's lists treat as transparent.
convert -size 32x32 xc:none -fill '#00c800' -draw 'rectangle 8,8 23,23' PNG32:clear.png
expect 0 gallery add 5 clear.png -C home
[[ "$(cat out.txt)" == "5004.iko" ]] || fail "add png: $(cat out.txt)"
expect 0 iko-decode home/Data/5004.iko -o clear.bmp
got="$(identify -format '%[pixel:p{10,10}] %[pixel:p{1,1}]' clear.bmp)"
[[ "$got" == "srgb(0,200,0) srgb(255,255,255)" ]] || fail "png added as $got"
expect 2 gallery add 0 small.jpg -C home
expect 3 gallery add 9 small.jpg -C home
expect 1 gallery add 5 missing.bmp -C home

# An update made with the pack command; then the same pack cut short changes nothing.
mkdir -p src/Data
printf 'new' >src/Data/7000.iko
printf 'NOV\xc1\r\n\tA\r\n' >src/strom.trv
(cd src/Data && "$TOOL" pack -o ../../good.mk 7000.iko ../strom.trv)
before="$(cd home && find . -type f | sort | xargs md5sum)"
head -c 20 good.mk >home/Data/zorna.mk
expect 1 gallery update -C home
[[ "$(cd home && find . -type f | sort | xargs md5sum)" == "$before" ]] || fail "a cut update changed the gallery"
expect 3 gallery update -C home
# A backup that cannot be written stops the update before anything changes; the pack stays.
cp good.mk home/Data/zorna.mk
: >home/Záloha
expect 1 gallery update -C home
grep -q 'the pack are kept: .*Záloha' err.txt || fail "failed backup: $(cat err.txt)"
rm home/Záloha
[[ "$(cd home && find . -type f -not -name zorna.mk | sort | xargs md5sum)" == "$before" ]] || fail "a failed backup changed the gallery"
expect 0 gallery update -C home
backup="$(sed -n 's/^backup\t//p' out.txt)"
[[ "$(head -1 out.txt)" == "installed 1 pictures and strom.trv" && "$backup" == Záloha/galéria-*.mk ]] ||
  fail "update said: $(cat out.txt)"
[[ "$(cd home && find . -type f -not -path './Záloha/*' | sort)" == $'./Data/7000.iko\n./strom.trv' ]] ||
  fail "after the update: $(cd home && find . | sort)"
expect 0 gallery tree -C home
[[ "$(cat out.txt)" == $'0\t0\tNOVÁ\n1\t1\tA' ]] || fail "new tree: $(cat out.txt)"
# The backup brings the old gallery back byte for byte, and stays.
expect 0 gallery update -C home --pack "home/$backup"
[[ "$(cd home && find . -type f -not -path './Záloha/*' | sort | xargs md5sum)" == "$before" && -e "home/$backup" ]] ||
  fail "restored from the backup: $(cd home && find . | sort)"

printf 'A\r\n\t\t\tB\r\n' >home/strom.trv
expect 1 gallery tree -C home
grep -q 'line 2' err.txt || fail "depth jump: $(cat err.txt)"
echo "gallery: ok"
