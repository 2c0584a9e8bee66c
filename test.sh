#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a Release build (unit tests, replay flows and the
# desktop test under Xvfb), then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Every test case is a CTest entry of its own, and the cases run side
# by side on every core (each in a working folder of its own).
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZINDLE_SANITIZE=ON
cmake --build build-sanitize -j "$jobs" --target zindle-tests zindle-replay zindle-canvas
# Leak reports would come from the font and window libraries' own caches, not from this program.
# The scripted end-to-end runs (NAME-e2e) drive the real program under Xvfb and install it; they
# ran against the Release build above.
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs" -E 'e2e$')
