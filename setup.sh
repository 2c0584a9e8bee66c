#!/usr/bin/env bash
# Installs whatever is missing, builds the workbench in Release and starts it in ./run, a working
# folder that git ignores (the keep files and working files land there).
# With --no-start it stops after the build.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
if [ "${1:-}" = "--no-start" ]; then
  exit 0
fi
mkdir -p run
cd run
exec ../build/zindle-canvas
