#!/usr/bin/env bash
# zornatool gallery import over a small theme made here: a picture with several names comes
# once, transparency turns white, the tree and numbers follow the map, a bad map changes
# nothing; and the gallery the build imported from Tango has the categories the search's
# synonyms lead to, each with pictures and within the buttons of the library panel.
source "$(dirname "$0")/tool_session.bash"

mkdir -p theme/32x32/apps theme/32x32/devices theme/scalable/apps home/Data
# A red disc on a transparent ground; "b" is a link to it and "c" a copy of its bytes.
convert -size 32x32 xc:none -fill '#ff0000' -draw 'circle 16,16 16,6' PNG32:theme/32x32/apps/a.png
ln -s a.png theme/32x32/apps/b.png
cp theme/32x32/apps/a.png theme/32x32/devices/c.png
convert -size 48x48 xc:blue theme/32x32/devices/big.png
cat >theme/scalable/apps/a.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
  <rect x="24" y="0" width="24" height="48" fill="#00ff00"/>
</svg>
SVG
printf 'x' >home/Data/9000.iko
printf 'STARÝ\r\n' >home/strom.trv
cat >map.txt <<'MAP'
# test map
KOREŇ
	PRVÁ
		: a b
	DRUHÁ
		# a comment among the categories
		: c big missing
MAP
"$TOOL" gallery import theme --map map.txt -C home >out.txt 2>err.txt || fail "import: $(cat err.txt)"
grep -q '^2 categories, 1 small and 1 large pictures' out.txt || fail "summary: $(cat out.txt)"
grep -q 'missing is not in the theme' err.txt || fail "no word on a missing name: $(cat err.txt)"
grep -q 'big.png is not 32 x 32' err.txt || fail "no word on a 48 x 48 picture: $(cat err.txt)"
[[ "$(cd home && find . -type f | sort | tr '\n' ' ')" == "./Data/1000.iko ./Data/1500.iko ./strom.trv " ]] ||
  fail "files: $(cd home && find . -type f | sort)"
[[ "$("$TOOL" gallery tree -C home | tr '\t\n' ', ')" == "0,0,KOREŇ 1,1,PRVÁ 2,1,DRUHÁ " ]] || fail "tree"
"$TOOL" iko-decode home/Data/1000.iko -o small.bmp
"$TOOL" iko-decode home/Data/1500.iko -o large.bmp
[[ "$(identify -format '%w %[pixel:p{16,16}] %[pixel:p{1,1}]' small.bmp)" == \
   "32 srgb(255,0,0) srgb(255,255,255)" ]] || fail "small picture: $(identify -format '%w %[pixel:p{16,16}] %[pixel:p{1,1}]' small.bmp)"
# The 48 x 48 drawing fills 64 x 64: its right half green, the transparent left half white.
[[ "$(identify -format '%w %[pixel:p{48,30}] %[pixel:p{10,30}]' large.bmp)" == \
   "64 srgb(0,255,0) srgb(255,255,255)" ]] || fail "large picture: $(identify -format '%w %[pixel:p{48,30}] %[pixel:p{10,30}]' large.bmp)"

# A map with a depth jump is refused before the gallery is touched.
printf 'KOREŇ\n\tA\n\t\t\tB\n' >bad.txt
before="$(cd home && find . -type f | sort | xargs md5sum)"
status=0
"$TOOL" gallery import theme --map bad.txt -C home >/dev/null 2>err.txt || status=$?
[[ "$status" -eq 1 ]] && grep -q 'line 3' err.txt || fail "bad map gave $status: $(cat err.txt)"
[[ "$(cd home && find . -type f | sort | xargs md5sum)" == "$before" ]] || fail "a bad map changed the gallery"
status=0
"$TOOL" gallery import theme -C home >/dev/null 2>&1 || status=$?
[[ "$status" -eq 2 ]] || fail "import without --map gave $status"

# The shipped gallery.
PROGRAM="$ZORNA_PROGRAM_DIR"
if [[ ! -s "$PROGRAM/strom.trv" ]]; then echo "gallery import: ok (no shipped gallery to check)"; exit 0; fi
"$TOOL" gallery tree -C "$PROGRAM" >tree.txt
for target in TELEFÓN BUDOVY VESMÍR TEXT MAĽOVANIE AUDIO POŠTA SCHRÁNKA WWW CESTNÁ ZOBRAZ CD \
              "PEVNÝ DISK" "ĎALŠIE ZARIADENIA" PRÁCA "NEŽIVÁ PRÍRODA" SPOTREB; do
  number="$(awk -F'\t' -v t="$target" 'index($3, t) == 1 { print $1; exit }' tree.txt)"
  [[ -n "$number" ]] || fail "no category starts with $target"
  "$TOOL" gallery list "$number" -C "$PROGRAM" >/dev/null || fail "$target has no pictures"
done
while IFS=$'\t' read -r number depth caption; do
  [[ "$number" -eq 0 ]] && continue
  [[ "$caption" == "$(echo "$caption" | tr '[:lower:]' '[:upper:]')" ]] || fail "$caption is not in capitals"
  "$TOOL" gallery list "$number" -C "$PROGRAM" >list.txt 2>/dev/null || true
  small="$(awk '$1 < 500' list.txt | wc -l)"
  large="$(awk '$1 >= 500' list.txt | wc -l)"
  ((small <= 135 && large <= 40)) || fail "$caption holds $small small and $large large pictures"
done <tree.txt
[[ "$(ls "$PROGRAM/Data" | grep -c '\.iko$')" -ge 400 ]] || fail "the shipped gallery is small"
echo "gallery import: ok"
