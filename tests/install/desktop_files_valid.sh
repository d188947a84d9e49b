#!/usr/bin/env bash
# The desktop entry and the software centre's metadata pass the desktop's own validators, and
# the drawn icon is a picture of each size of the icon theme with a transparent surround.
set -euo pipefail
for tool in desktop-file-validate appstreamcli identify; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing $tool" >&2
    if [ "${CI:-}" = "true" ]; then exit 1; else exit 77; fi
  fi
done
desktop-file-validate "$ZORNA_SOURCE_DIR/data/desktop/zorna.desktop"
metainfo=("$ZORNA_BUILD_DIR"/data/desktop/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}"

theme="$ZORNA_BUILD_DIR/data/desktop/hicolor"
for side in 16 22 24 32 48 64 128 256; do
  read -r size corner < <(identify -format '%wx%h %[fx:int(255*u.p{0,0}.a)]\n' \
    "$theme/${side}x${side}/apps/zorna.png")
  [ "$size" = "${side}x${side}" ] || { echo "the ${side}px icon is $size"; exit 1; }
  [ "$corner" = 0 ] || { echo "the ${side}px icon's corner is not transparent"; exit 1; }
done
echo "desktop entry, metadata and icons valid"
