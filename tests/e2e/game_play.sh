#!/usr/bin/env bash
# A whole game headless: start menu, game menu with a player name, a level
# and a stone set, the creating-game screen, the board, hints until the board
# is complete, the result panel and the new highscore record. Then the level
# code shown for that game regenerates the same board in the repeat-game
# menu, which also answers codes that are no codes or can never give a board.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

{
  echo "wait $LOGO_UPDATES"
  echo "click $START_GAME"
  echo "wait 5"
  echo "click $PLAYER_NAME"
  press_times 8 6
  type_slowly ada  # typed without Shift: lower case
  echo "click 252 220"  # the slider's second step: level 2
  echo "click $STONES_OBJECTS"
  echo "wait 30"
  echo "shot play_game_menu.png"
  echo "click $GAME_MENU_START"
  echo "shot play_creating.png"
  echo "wait 30"
  echo "shot play_board.png"
  for _ in $(seq 70); do
    echo "click $HINT"
    echo "wait 2"
  done
  echo "wait 30"
  echo "shot play_result.png"
  echo "quit"
} > play.script
run_headless play.script play.log
for shot in play_game_menu play_creating play_board play_result; do check_shot "$shot.png"; done

grep -q "^LevelCode:" play.log || fail "no game was generated: $(tail -n 5 play.log)"
records="$(highscore_records highscore.dat)"
[ "$(wc -l <<< "$records")" = 100 ] || fail "highscore.dat does not hold exactly 100 records"
grep -q BROKEN <<< "$records" && fail "highscore.dat does not end after its last record"
# An emptied text input shows two blanks, which never become part of the name.
ada="$(grep -E '^[0-9]+ ada$' <<< "$records")" || fail "no record of \"ada\" in highscore.dat: $(head -n 8 <<< "$records")"
[ "${ada%% *}" -gt 25 ] || fail "ada's score ${ada%% *} is too low to enter the default table"
[ "$(head -n 1 <<< "$records")" = "150 Create" ] || fail "the best default entry moved"
sort -s -k1,1nr -c <<< "$records" 2> /dev/null || fail "highscore.dat is not sorted best first"
[ "$(stat -c %s highscore.dat)" = 535 ] || fail "highscore.dat should be the 532 default bytes plus the name"

# The code shown on the board brings back the same generated board.
code="$(grep -m 1 "^LevelCode:" play.log | cut -d: -f2)"
impossible="6F"  # level 1, stone set 1, seed 1: no attempt ever gives a unique puzzle
{
  echo "wait $LOGO_UPDATES"
  echo "click $REPEAT_GAME"
  echo "wait 5"
  echo "click $LEVEL_CODE"
  type_slowly 12
  echo "click $REPEAT_START"
  echo "wait 5"
  echo "shot replay_invalid.png"
  echo "click $LEVEL_CODE"
  press_times 8 2
  type_slowly "$impossible"
  echo "click $REPEAT_START"
  echo "wait 5"
  echo "shot replay_impossible.png"
  echo "click $LEVEL_CODE"
  press_times 8 2
  type_slowly "$(tr 'A-F' 'a-f' <<< "$code")"
  echo "wait 5"
  echo "shot replay_typed.png"
  echo "click $REPEAT_START"
  echo "wait 30"
  echo "shot replay_board.png"
  echo "quit"
} > replay.script
run_headless replay.script replay.log
for shot in replay_invalid replay_impossible replay_typed replay_board; do check_shot "$shot.png"; done
[ "$(grep -c "^LevelCode:" replay.log)" = 1 ] || fail "the invalid codes generated a board, or the code none"
[ "$(generated_board replay.log)" = "$(generated_board play.log)" ] ||
  fail "level code $code gave another board: $(generated_board replay.log)"
echo "game play: ok"
