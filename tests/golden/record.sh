#!/usr/bin/env bash
# Records the golden corpus anew: replays the named scripts (every tests/golden/*.replay when none
# is named) and writes their outputs over the recorded ones. Only for a deliberate change of
# behaviour; look at `git diff --stat tests/golden` and the changed shots before committing.
#   tests/golden/record.sh BUILD_DIR [SCRIPT...]     e.g. record.sh build swap_list_ways
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [SCRIPT...]" >&2
  exit 2
fi
build=$1
shift
cmake --build "$build" -j2 --target zindle-tests zindle-replay
filter='Golden.Replay/*'
if [ $# -gt 0 ]; then
  filter=''
  for script in "$@"; do filter+="Golden.Replay/$(basename "$script" .replay):"; done
fi
ZINDLE_GOLDEN_RECORD=1 QT_QPA_PLATFORM=offscreen "$build/zindle-tests" --gtest_filter="$filter"
