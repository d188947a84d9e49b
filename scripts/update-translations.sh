#!/usr/bin/env bash
# Refreshes the English catalogues from the sources: every text in tr() or translate() enters its
# catalogue (new ones unfinished, for a translator to fill in), texts gone from the sources leave
# it. The catalogues are written into the folder given (the repository's translations/ when none):
# the completeness test refreshes copies and leaves the repository alone.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/translations}
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
