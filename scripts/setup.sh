#!/usr/bin/env bash
# Shared by scripts/play and scripts/test: installs what is missing (Debian 12).
# Quiet when everything is already there.
set -euo pipefail

GRIDLET_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export GRIDLET_ROOT
# Cache keys relative to the checkout, so another clone or worktree builds from cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$GRIDLET_ROOT}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"

# Packages needed to build and play.
GRIDLET_BUILD_PACKAGES=(
  build-essential cmake pkg-config ccache
  libsdl2-dev libpng-dev zlib1g-dev libfreetype-dev libgl-dev
  libgtest-dev libbenchmark-dev
  ttf-bitstream-vera fonts-dejavu-core
)
# Extra packages for the test run: window tests, fuzzers, XML checks, and
# the installation test (menu entry and software-centre checkers, the Debian
# package's tools, the manual page reader).
GRIDLET_TEST_PACKAGES=(
  xvfb xauth xdotool x11-utils x11-xkb-utils libgl1-mesa-dri
  clang libclang-rt-14-dev libxml2-utils
  desktop-file-utils appstream lintian dpkg-dev file man-db
)

gridlet_install() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# The game with its complete game folder in build/game/: scripts/play's
# build step, run on a fresh clone by the first-start test.
gridlet_build_game() {
  gridlet_configure "$GRIDLET_ROOT/build"
  cmake --build "$GRIDLET_ROOT/build" -j"$(nproc)" --target gridlet
}

# Configures one build folder: gridlet_configure DIR [cmake options...]
gridlet_configure() {
  local dir="$1"; shift
  cmake -S "$GRIDLET_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="${GRIDLET_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
}

# Configures and builds one build folder: gridlet_build DIR [cmake options...]
gridlet_build() {
  gridlet_configure "$@"
  cmake --build "$1" -j"$(nproc)"
}
