#!/usr/bin/env bash
# A level-6 game from its level code solved with the keyboard alone: the
# arrows walk the board and digits fill it. Half-way Ctrl+Z takes the last
# digit back and the program is closed; the save holds the undone step.
# "Continue" brings the game back, Ctrl+Y puts the digit again (it is never
# typed a second time) and the finished board enters its score.
source "$(dirname "$0")/game_lib.sh"

if ! headless_holds_keys; then
  echo "game keyboard: SKIPPED, the headless scripts cannot hold Ctrl yet (keydown)"
  exit 0
fi
work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# The walk's step 19 is column 1 of row 2, an empty cell of this puzzle.
undone_step=19
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  type_solution "$LEVEL6_SOLUTION" 0 0 $((undone_step + 1))
  echo "keydown $KEY_CONTROL"
  echo "key 90"
  echo "keyup $KEY_CONTROL"
  echo "wait 2"
  echo "quit"
} > undo.script
run_headless undo.script undo.log
[ -f savegame.xml ] || fail "closing the program saved no game"
grep -q 'undos="1"' savegame.xml || fail "the save does not count the undo"
grep -q '<cell col="1" row="2" digit="0" state="0"' savegame.xml || fail "Ctrl+Z left the digit in column 1, row 2"
moves="$(grep -c "<move " savegame.xml)"
grep -q "<history position=\"$((moves - 1))\">" savegame.xml || fail "the save does not hold the undone step for a redo"

{
  echo "wait $LOGO_UPDATES"
  echo "click $CONTINUE"
  echo "wait 5"
  echo "keydown $KEY_CONTROL"
  echo "key 89"
  echo "keyup $KEY_CONTROL"
  echo "wait 1"
  # The selection is back on the cell of the undone step.
  type_solution "$LEVEL6_SOLUTION" "$undone_step" $((undone_step + 1)) 81
  echo "wait 30"
  echo "shot kb_result.png"
  echo "quit"
} > finish.script
run_headless finish.script finish.log
records="$(highscore_records highscore.dat)"
player="$(grep -E '^[0-9]+ Player$' <<< "$records")" || fail "no score of Player in highscore.dat: Ctrl+Y or a digit went missing"
[ "${player%% *}" -gt 25 ] || fail "the score ${player%% *} is too low to enter the table"
[ ! -e savegame.xml ] || fail "the finished game is still saved"
check_shot kb_result.png
echo "game keyboard: ok"
