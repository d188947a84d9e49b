#!/usr/bin/env bash
# The Debian package holds the programs, the program data, the desktop entry, the metadata, the
# icon and both manual pages; it depends on the libraries the programs use; and zornatool's
# manual page describes every command its help lists.
set -euo pipefail
for tool in cpack dpkg-deb dpkg-shlibdeps file man; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing $tool" >&2
    if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
  fi
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cpack -G DEB --config "$ZORNA_BUILD_DIR/CPackConfig.cmake" -B "$WORK" >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log"; exit 1; }
deb=$(echo "$WORK"/zorna_*.deb)
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$WORK/contents"

expect() { grep -qx -- "$1" "$WORK/contents" || { echo "the package lacks $1"; exit 1; }; }
for file in bin/zorna bin/zornatool libexec/zorna/zorna-clipboard share/zorna/strom.trv share/zorna/pomoc/pomoc.htm \
  share/zorna/pomoc/help_en.htm share/applications/zorna.desktop share/man/man1/zorna.1.gz share/man/man1/zornatool.1.gz; do
  expect "./usr/$file"
done
for side in 16 22 24 32 48 64 128 256; do expect "./usr/share/icons/hicolor/${side}x${side}/apps/zorna.png"; done
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' "$WORK/contents" || { echo "no metadata"; exit 1; }
for skin in "$ZORNA_PROGRAM_DIR"/Skin/*/; do expect "./usr/share/zorna/Skin/$(basename "$skin")/"; done
built=$(find "$ZORNA_PROGRAM_DIR/Data" -name '*.iko' | wc -l)
packed=$(grep -c '^\./usr/share/zorna/Data/.*\.iko$' "$WORK/contents" || true)
[ "$packed" = "$built" ] || { echo "$packed gallery pictures packed of $built"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libjpeg62-turbo libpng16-16 librsvg2-2 qt6-qpa-plugins; do
  [[ "$depends" == *"$package"* ]] || { echo "no dependency on $package: $depends"; exit 1; }
done

dpkg-deb -x "$deb" "$WORK/root"
for page in zorna zornatool; do
  LC_ALL=C.UTF-8 MANWIDTH=400 man --warnings -l "$WORK/root/usr/share/man/man1/$page.1.gz" \
    >"$WORK/$page.txt" 2>"$WORK/$page.warnings"
  [ ! -s "$WORK/$page.warnings" ] || { cat "$WORK/$page.warnings"; exit 1; }
done
tool="$WORK/root/usr/bin/zornatool"
subcommands() { "$tool" "$@" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }'; }
count=0
for command in $(subcommands); do
  nested=$(subcommands "$command")
  for name in ${nested:-""}; do
    usage="zornatool $command${name:+ $name} "
    grep -qF -- "$usage" "$WORK/zornatool.txt" || { echo "the manual lacks '$usage'"; exit 1; }
    count=$((count + 1))
  done
done
echo "$(wc -l <"$WORK/contents") entries; $count commands in the manual; Depends: $depends"
