#!/usr/bin/env bash
# Refreshes the English catalogues from the sources: every text in tr() or translate() enters its
# catalogue (new ones unfinished, for a translator to fill in), texts gone from the sources leave
# it. Then lists every message still without English and fails while there is one. With --check
# only copies in a scratch folder are refreshed: the repository's catalogues stay as they are.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$here/translations
if [ "${1:-}" = --check ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  cp "$here"/translations/*_en.ts "$out"/
fi
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$here"
# catalogue: the folders and files whose texts it holds
refresh() {
  local catalogue=$1
  shift
  "$lupdate" -silent -no-obsolete -locations none -source-language sk -target-language en \
    -extensions cpp,h -I src "$@" -ts "$out/$catalogue"
}
refresh window_en.ts src/app/main_window src/app/widgets src/app/main.cpp src/app/program.cpp
refresh dialogs_en.ts src/app/dialogs src/app/platform
python3 - "$out"/*_en.ts <<'PY'
import os, sys, xml.etree.ElementTree as ET
missing = []
for path in sys.argv[1:]:
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            english = message.find("translation")
            if english is None or english.get("type") or not (english.text or "").strip():
                missing.append(f"{os.path.basename(path)} {context.findtext('name')}: "
                               f"{message.findtext('source')!r}")
for m in missing:
    print(f"no English for {m}")
sys.exit(1 if missing else 0)
PY
