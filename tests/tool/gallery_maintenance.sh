#!/usr/bin/env bash
# zornatool gallery files, shift, encode, info and pack, the maintenance panel's jobs: the padded
# list of a range, bitmaps encoded into pictures that decode back, a shift that never replaces a
# picture, info.txt, and a pack that gallery update installs into an empty program folder as
# the same gallery; bad input gives one line and the shared exit statuses.
source "$(dirname "$0")/tool_session.bash"
pictures() { (cd "$1" && find . -type f \( -name '*.iko' -o -name strom.trv \) | sort | xargs md5sum); }

mkdir -p home/Data
printf 'GAL\xc9RIA\r\n\tA\r\n\tB\r\n\tC\r\n\tD\r\n' >home/strom.trv
convert -size 32x32 xc:'#1e64c8' -type TrueColor BMP3:home/Data/3000.bmp
convert -size 32x32 xc:'#c81e1e' -type TrueColor BMP3:home/Data/3001.bmp
convert -size 64x64 xc:white -fill '#00a000' -draw 'circle 32,32 32,10' -type TrueColor \
  BMP3:home/Data/4500.bmp
convert -size 32x32 xc:yellow -type TrueColor BMP3:home/Data/2001.bmp
printf 'not a bitmap' >home/Data/4012.bmp

expect 0 gallery files --from 3 --to 4 -C home
[[ "$(tr '\n' ' ' <out.txt)" == "003000.bmp 003001.bmp 004012.bmp 004500.bmp " ]] ||
  fail "files: $(cat out.txt)"
expect 1 gallery encode -C home
[[ "$(cat out.txt)" == "encoded 4 pictures" ]] || fail "encode: $(cat out.txt)"
grep -q '4012.bmp' err.txt || fail "encode's complaint: $(cat err.txt)"
[[ -e home/Data/4012.bmp && ! -e home/Data/4012.iko ]] || fail "a bad bitmap was not kept"
expect 0 iko-decode home/Data/4500.iko -o back.bmp
got="$(identify -format '%wx%h %[pixel:p{32,32}] %[pixel:p{1,1}]' back.bmp)"
[[ "$got" == "64x64 srgb(0,160,0) srgb(255,255,255)" ]] || fail "encoded picture: $got"
rm home/Data/4012.bmp

# Category 3 onto 4, where 4500 already is: 3000 and 3001 move, nothing is replaced.
printf 'stray' >home/Data/4001.iko
expect 1 gallery shift --by 1 --from 3 --to 3 -C home
[[ "$(cat out.txt)" == "moved 1 files" ]] || fail "shift: $(cat out.txt)"
grep -q 'new name taken: 3001.iko' err.txt || fail "shift's complaint: $(cat err.txt)"
[[ "$(cat home/Data/4001.iko)" == stray && -e home/Data/4000.iko && -e home/Data/3001.iko ]] ||
  fail "after the shift: $(ls home/Data)"
rm home/Data/4001.iko
expect 0 gallery shift --by -2 --from 3 --to 4 -C home
[[ "$(ls home/Data | tr '\n' ' ')" == "1001.iko 2000.iko 2001.iko 2500.iko " ]] ||
  fail "shift down: $(ls home/Data)"

expect 0 gallery info -C home
[[ "$(tr -d '\r' <home/Data/info.txt | sed -n '6p;7p;9p' | tr '\n' ' ')" == "4 1001 2000 " ]] ||
  fail "info.txt: $(cat -A home/Data/info.txt)"

# A pack is one to hand on: the author's gallery keeps every picture.
before="$(pictures home)"
expect 0 gallery pack --from 2 --to 2 -C home -o part.mk
[[ "$(cat out.txt)" == $'part.mk\t4 files' ]] || fail "pack -o: $(cat out.txt)"
expect 0 gallery pack --from 2 --to 2 -C home
expect 3 gallery update -C home
[[ "$(pictures home)" == "$before" && -s home/Balíky/zorna.mk ]] || fail "after pack: $(ls home/*)"
# The pack installs into an empty program folder as the same gallery.
expect 0 gallery pack -C home
[[ "$(cat out.txt)" == $'Balíky/zorna.mk\t5 files' ]] || fail "pack: $(cat out.txt)"
[[ "$(ls -A home/Balíky)" == zorna.mk ]] || fail "beside the pack: $(ls -A home/Balíky)"
mkdir -p fresh/Data
cp home/Balíky/zorna.mk fresh/Data/
expect 0 gallery update -C fresh
[[ "$(pictures fresh)" == "$(pictures home)" ]] || fail "installed: $(pictures fresh)"
expect 0 gallery tree -C fresh
[[ "$(cat out.txt)" == "$("$TOOL" gallery tree -C home)" ]] || fail "tree: $(cat out.txt)"

# Bad input: nothing listed, no gallery folder, a file in place of it, bad arguments.
mkdir -p empty/Data
expect 3 gallery files -C empty
expect 3 gallery shift --by 1 -C empty
expect 1 gallery pack -C empty  # no strom.trv
[[ -z "$(ls empty/Data)" ]] || fail "a failed pack left $(ls empty/Data)"
mkdir -p blocked
printf 'x' >blocked/Data
expect 1 gallery files -C blocked
expect 1 gallery info -C blocked
expect 1 gallery pack -C missing
expect 2 gallery shift -C home
expect 2 gallery files --from -1 -C home
expect 2 gallery shift --by x -C home
echo "gallery maintenance: ok"
