#!/usr/bin/env bash
# The command line's conventions: options in any order, "rate" naming the
# line of each result and of each refusal, skipping blank and comment
# lines, trimming blanks and CR, naming a clash, refusing a folder, and a
# line of 100 MB read in no more memory than a normal one.
source "$(dirname "$0")/lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# Options in any order.
printf 'wait 3\nshot s.png\nquit\n' > s.script
for args in "--headless s.script --scale 2" "--headless --scale 2 s.script" "--scale 2 --headless s.script"; do
  rm -f s.png
  # shellcheck disable=SC2086
  timeout 60 "$GRIDLET_BIN" $args > /dev/null 2> err.txt || fail "gridlet $args exited with $?: $(cat err.txt)"
  read -r w _ < <("$PNGINFO" s.png)
  [ "$w" = 1600 ] || fail "gridlet $args drew $w pixels wide, not 1600"
done
at_end="$("$GRIDLET_BIN" generate --format line --level 3 --rng-seed 4 --seed 2149684)"
first="$("$GRIDLET_BIN" generate --seed 2149684 --rng-seed 4 --level 3 --format line)"
[ -n "$at_end" ] && [ "$at_end" = "$first" ] || fail "generate's options give another puzzle in another order"

# rate: every result and every refusal names its line.
EASY=".....31..81..9264.653.1..8..38925....6438.9.5..5.76.2....15..9..8..3756..71.4...2"
CLASH="3....31..81..9264.653.1..8..38925....6438.9.5..5.76.2....15..9..8..3756..71.4...2"
{
  printf '# puzzles to rate\n'
  printf '%s\n' "$EASY"
  printf '%s\n' "${EASY:0:80}"
  printf '\n'
  printf '  %s \t\r\n' "$EASY"
  printf '%s\n' "$CLASH"
  printf '%s\r\n' "$EASY"
} > puzzles.txt
set +e
"$GRIDLET_BIN" rate puzzles.txt > out.txt 2> err.txt
status=$?
set -e
[ "$status" = 1 ] || fail "rate with refused lines exited with $status"
expected_out="line 2: Easy 1.2 full_house=21 naked_single=20
line 5: Easy 1.2 full_house=21 naked_single=20
line 7: Easy 1.2 full_house=21 naked_single=20"
[ "$(cat out.txt)" = "$expected_out" ] || fail "rate printed: $(cat out.txt)"
expected_err="gridlet: line 3: a puzzle is 81 characters, not 80
gridlet: line 6: two 3s in row 1"
[ "$(cat err.txt)" = "$expected_err" ] || fail "rate refused: $(cat err.txt)"

# A folder is no file of puzzles.
set +e
"$GRIDLET_BIN" rate "$work" > out.txt 2> err.txt
status=$?
set -e
[ "$status" != 0 ] || fail "rate of a folder exited with 0"
[ -s err.txt ] || fail "rate of a folder said nothing"

# A line of 100 MB costs no more memory than a normal one.
MEMORY_LIMIT=$((64 * 1024 * 1024))
prlimit --as="$MEMORY_LIMIT" -- "$GRIDLET_BIN" rate puzzles.txt > /dev/null 2>&1 || [ $? = 1 ] ||
  fail "rate needs more than $MEMORY_LIMIT bytes of address space for a normal file"
set +e
{ head -c 100000000 /dev/zero | tr '\0' '1'; printf '\n%s\n' "$EASY"; } |
  prlimit --as="$MEMORY_LIMIT" -- "$GRIDLET_BIN" rate > out.txt 2> err.txt
status=$?
set -e
[ "$status" = 1 ] || fail "rate of a 100 MB line exited with $status: $(head -c 300 err.txt)"
[ "$(cat err.txt)" = "gridlet: line 1: a puzzle is 81 characters, not 100000000" ] ||
  fail "rate of a 100 MB line said: $(head -c 300 err.txt)"
[ "$(cat out.txt)" = "line 2: Easy 1.2 full_house=21 naked_single=20" ] || fail "after the long line rate printed: $(cat out.txt)"
echo "command line: ok"
