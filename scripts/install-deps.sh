#!/usr/bin/env bash
# Installs the Debian 12 packages the workbench needs to build, run and test. Installs only what is
# missing, so running it again is quick.
set -euo pipefail

# qt6-base-dev brings the OpenGL and Vulkan headers its CMake files look for; zlib's headers are
# the tests' own (the golden corpus is gzip-compressed). The image format plugins give the reader
# and writer TIFF and WebP.
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins libgl-dev libxcb-cursor0
  zlib1g-dev
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  # The desktop tests: a private X server, real X input, screenshots and picture checks.
  xvfb xdotool x11-apps imagemagick python3
  # The slot-file fuzz target: clang with its libFuzzer and sanitizer runtimes.
  clang libclang-rt-14-dev
)

# --with-peers: libvips as well, which the benchmark then times beside our kernels. The program and
# its tests never need it.
for arg in "$@"; do
  case "$arg" in
    --with-peers) packages+=(libvips-dev) ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
