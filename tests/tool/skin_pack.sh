#!/usr/bin/env bash
# The shipped skins are complete and read by ImageMagick; zornatool skin pack packs every skin
# folder depth first into Balíky/NAME.mk, which unpacks to the same files, leaves dot folders
# and links out, keeps the old pack when a new one cannot be made, and gives the shared exit
# statuses.
set -euo pipefail

TOOL="${ZORNA_PROGRAM_DIR:?}/zornatool"
[[ -x "$TOOL" ]] || { echo "zornatool not built at $TOOL"; exit 1; }
command -v identify >/dev/null || { echo "missing ImageMagick"; exit 77; }
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
fail() { echo "FAIL: $*"; exit 1; }

for skin in Bridlica Jazero; do
  folder="$ZORNA_PROGRAM_DIR/Skin/$skin"
  for file in okno.bmp skin_vyrobil.bmp spodok.bmp spodok_end.bmp; do
    identify "$folder/$file" >/dev/null || fail "$skin/$file"
  done
  for panel in Vstup Vystup Lupa Podklad; do
    for file in hlavička.bmp hlavička_en.bmp hlavička_end.bmp hlavička_min.bmp okno.bmp; do
      identify "$folder/okno/$panel/$file" >/dev/null || fail "$skin/okno/$panel/$file"
    done
  done
  for button in Right Left Theme Gallery Copy Close Info Minimize Odomknute Zamknute Save \
    OtocDoprava OtocDolava PreklopVodorovne PreklopZvislo; do
    identify "$folder/buttons/$button.bmp" >/dev/null || fail "$skin/buttons/$button.bmp"
  done
  grep -q '^https\?://' "$folder/Skin_Vyrobil.txt" || fail "$skin's author link"
  iconv -f cp1250 -t utf-8 "$folder/rozmiestnenie.ini" | grep -q '^Šírka=' || fail "$skin's layout"
done

mkdir home
cp -r "$ZORNA_PROGRAM_DIR/Skin" home/Skin
mkdir -p home/Skin/Jazero/.git home/Skin/.skryty
printf 'x' >home/Skin/Jazero/.git/config
printf 'x' >home/Skin/.skryty/a.bmp
ln -s /etc/hostname home/Skin/Jazero/host.bmp
"$TOOL" skin pack -C home >out.txt 2>err.txt || fail "skin pack: $(cat out.txt)"
grep -qP '^Balíky/Jazero.mk\t41 files$' out.txt || fail "the report: $(cat out.txt)"
grep -qx 'zornatool: skipped Skin/Jazero/host.bmp (a symbolic link)' err.txt || fail "the link: $(cat err.txt)"
[[ "$(cd home && echo Skin/* Balíky/*)" == "Skin/Bridlica Skin/Jazero Balíky/Bridlica.mk Balíky/Jazero.mk" ]] ||
  fail "packs made: $(ls home/*)"
rm home/Skin/Jazero/host.bmp
"$TOOL" list home/Balíky/Jazero.mk | cut -f1 >names.txt
[[ "$(head -1 names.txt)" == 'Skin\Jazero\buttons\Close.bmp' ]] || fail "first: $(head -1 names.txt)"
[[ "$(sed -n 16p names.txt)" == 'Skin\Jazero\okno\Lupa\hlavička.bmp' ]] || fail "16th: $(sed -n 16p names.txt)"
[[ "$(tail -1 names.txt)" == 'Skin\Jazero\spodok_end.bmp' ]] || fail "last: $(tail -1 names.txt)"
grep -q '\.git' names.txt && fail "a dot folder was packed"
mkdir elsewhere
"$TOOL" unpack home/Balíky/Jazero.mk -C elsewhere
rm -r home/Skin/Jazero/.git
diff -r home/Skin/Jazero elsewhere/Skin/Jazero || fail "the pack does not give the skin back"

expect() {
  local want="$1"; shift
  local got=0
  "$@" >out.txt 2>err.txt || got=$?
  [[ "$got" -eq "$want" ]] || fail "$* gave $got, not $want: $(cat err.txt)"
  if [[ "$want" -ne 0 ]]; then grep -q '^zornatool: ' err.txt || fail "$* said: $(cat err.txt)"; fi
}
# A name that code page 1250 cannot hold: that skin fails and keeps its old pack, the next is
# still packed.
cp home/Balíky/Jazero.mk before.mk
printf 'x' >"home/Skin/Jazero/日本.bmp"
mkdir packs && cp before.mk packs/Jazero.mk
expect 1 "$TOOL" skin pack -C home -o packs
cmp -s before.mk packs/Jazero.mk || fail "the old pack was not kept"
[[ -s packs/Bridlica.mk ]] || fail "the other skin was not packed into -o"
ls -A home/Balíky packs | grep -q '\.tmp$' && fail "a temporary file was left"
mkdir empty
expect 3 "$TOOL" skin pack -C empty
expect 1 "$TOOL" skin pack -C missing
expect 2 "$TOOL" skin pack --bogus
expect 2 "$TOOL" skin
"$TOOL" --help | grep -q '^  skin' || fail "skin is not in the help"
"$TOOL" skin --help | grep -q 'pack' || fail "skin pack is not in the help"
"$TOOL" skin --help | grep -q 'draw' && fail "the build's own command shows in the help"
echo "skins packed"
