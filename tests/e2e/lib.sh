# Shared helpers of the end-to-end scripts. Expects GRIDLET_BIN and
# GRIDLET_GAME_DIR (set by scripts/test); works in a fresh temporary folder.
set -euo pipefail
: "${GRIDLET_BIN:?}" "${GRIDLET_GAME_DIR:?}"
PNGINFO="$(dirname "$GRIDLET_BIN")/../../tools/pnginfo/pnginfo"

e2e_workdir() {
  local dir
  dir="$(mktemp -d /tmp/gridlet-e2e.XXXXXX)"
  cp -r "$GRIDLET_GAME_DIR"/. "$dir"/
  rm -rf "$dir/screenshots" && mkdir "$dir/screenshots"
  rm -f "$dir/highscore.dat"
  echo "$dir"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
