#!/usr/bin/env bash
# The end of a game: the number picker never outlives it (after "Solve" its
# digits change nothing and enter no score; after "New game" it is gone and
# the next puzzle keeps its givens), and the play clock stands still from the
# end of the game on.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"
without_theme_effects

start_lines() {
  echo "wait $LOGO_UPDATES"
  echo "click $START_GAME"
  echo "wait 5"
  echo "click $GAME_MENU_START"
  echo "wait 30"
}

# The first board of a run is the same in every run with the same start.
read -r column row < <(start_lines | find_empty_cell)

# 1. Picker open, "Solve", then every digit twice over, reopening the picker
#    whenever the game would let it: no digit may reach the solved board.
{
  start_lines
  echo "move $POINTER_AWAY"
  echo "wait 2"
  echo "shot playing1.png"
  echo "wait 120"
  echo "shot playing2.png"
  echo "rclick $(cell_centre "$column" "$row")"
  echo "wait 5"
  echo "click $SOLVE"
  echo "wait 5"
  for _ in 1 2; do
    for d in 1 2 3 4 5 6 7 8 9; do
      echo "click $(picker_digit "$column" "$row" "$d")"
      echo "wait 3"
      echo "rclick $(cell_centre "$column" "$row")"
      echo "wait 3"
    done
  done
  echo "move $POINTER_AWAY"
  echo "wait 5"
  echo "shot solved1.png"
  echo "wait 600"
  echo "shot solved2.png"
  echo "quit"
} > solve.script
run_headless solve.script solve.log
grep -q "^gewonnen" solve.log && fail "a digit chosen after \"Solve\" finished the game for the player"
grep -qE '^[0-9]+ Player$' <(highscore_records highscore.dat) && fail "a board the computer solved entered a score"
clock="95 405 100 30"
[ "$(region_digest playing1.png $clock)" != "$(region_digest playing2.png $clock)" ] ||
  fail "the play clock does not run during the game"
cmp -s solved1.png solved2.png || fail "the screen changed in the ten seconds after \"Solve\" (the play clock ran on?)"

# 2. Picker open, "New game", a new start, then the old picker's digits: the
#    picker is gone, so its cell in the new puzzle (a given or not) stays as
#    it was; the digits' clicks land on other cells.
{
  start_lines
  echo "rclick $(cell_centre "$column" "$row")"
  echo "wait 5"
  echo "click $NEW_GAME"
  echo "wait 5"
  echo "click $GAME_MENU_START"
  echo "wait 30"
  echo "move $POINTER_AWAY"
  echo "wait 2"
  echo "shot new1.png"
  for d in 1 2 3 4 5 6 7 8 9; do
    echo "click $(picker_digit "$column" "$row" "$d")"
    echo "wait 3"
  done
  echo "move $POINTER_AWAY"
  echo "wait 2"
  echo "shot new2.png"
  echo "quit"
} > new.script
run_headless new.script new.log
[ "$(region_digest new1.png $(cell_region "$column" "$row"))" = "$(region_digest new2.png $(cell_region "$column" "$row"))" ] ||
  fail "the picker of the last game was still open in the new one, or wrote into its cell $column,$row"
echo "game end: ok"
