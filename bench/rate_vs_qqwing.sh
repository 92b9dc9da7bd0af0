#!/usr/bin/env bash
# "gridlet rate" and "qqwing --solve --stats" side by side on the same
# puzzles, one after the other in one run (user + system seconds).
#   bench/rate_vs_qqwing.sh GRIDLET_BIN [PUZZLE_FILE]
# Without a file: 2,000 puzzles the game deals, 400 per level 1, 3, 5, 7, 9.
set -euo pipefail
bin="$1"
file="${2:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ -z "$file" ]; then
  file="$work/puzzles.txt"
  for level in 1 3 5 7 9; do
    "$bin" generate --level "$level" --count 400 --rng-seed "$level" --format line >> "$file"
  done
fi
count=$(grep -c . "$file")
seconds() { /usr/bin/time -f "%U %S" "$@" 2>&1 >/dev/null < "$file" | tail -1 | awk '{print $1 + $2}'; }
ours=$(seconds "$bin" rate)
theirs=$(seconds qqwing --solve --stats)
echo "puzzles: $count"
echo "gridlet rate: $ours s"
echo "qqwing --solve --stats: $theirs s"
