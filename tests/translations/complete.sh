#!/usr/bin/env bash
# Every text the program shows has its English: the catalogues refreshed from today's sources
# (copies, in a scratch folder) hold no message without a finished translation.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$ZORNA_SOURCE_DIR"/translations/*_en.ts "$scratch"/
bash "$ZORNA_SOURCE_DIR/scripts/update-translations.sh" "$scratch"
python3 - "$scratch"/*_en.ts <<'PY'
import os, sys, xml.etree.ElementTree as ET
missing = []
for path in sys.argv[1:]:
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            english = message.find("translation")
            if english is None or english.get("type") or not (english.text or "").strip():
                missing.append(f"{os.path.basename(path)} {context.findtext('name')}: "
                               f"{message.findtext('source')!r}")
print("\n".join(f"no English for {m}" for m in missing))
sys.exit(1 if missing else 0)
PY
