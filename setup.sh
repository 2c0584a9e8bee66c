#!/usr/bin/env bash
# Installs whatever is missing, builds the workbench in Release and starts it in ./run, a working
# folder that git ignores (the keep files and working files land there).
# With --no-start it stops after the build; so it does, saying so, where no display is reachable.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
if [ "${1:-}" = "--no-start" ]; then
  exit 0
fi

# A Wayland socket that exists, or an X display that answers.
display_reachable() {
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    local socket=$WAYLAND_DISPLAY
    case $socket in
      /*) ;;
      *) socket="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$socket" ;;
    esac
    [ -S "$socket" ] && return 0
  fi
  [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1
}
if ! display_reachable; then
  echo "Built, but no display is reachable here: on a desktop start it with ./setup.sh (or: cd run && ../build/zindle-canvas)."
  exit 0
fi
mkdir -p run
cd run
exec ../build/zindle-canvas
