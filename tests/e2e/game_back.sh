#!/usr/bin/env bash
# "New game" during an unfinished game, then "Back": the game goes on as it
# was. The same game is played twice, once straight through and once with ten
# seconds in the game menu, where the second stone set (which divides the
# score by three) and a harder level were picked before "Back". Both runs
# must score the same: the menu time is no play time, and the menu's choices
# are gone. Then "Start game" from that menu starts a new puzzle.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

STONES_PERSONS="310 378"
LEVEL_FIVE="305 220"

# One game: level 1 from the game menu, played for five seconds, then the
# lines of $1 (what happens meanwhile), then hints until the board is full.
game_script() {
  echo "wait $LOGO_UPDATES"
  echo "click $START_GAME"
  echo "wait 5"
  echo "click $GAME_MENU_START"
  echo "wait 300"
  echo "$1"
  for _ in $(seq 70); do
    echo "click $HINT"
    echo "wait 2"
  done
  echo "wait 30"
  echo "quit"
}

score_of_player() {
  highscore_records highscore.dat | grep -E '^[0-9]+ Player$' | head -n 1 | cut -d' ' -f1
}

# A click takes four updates and "New game" stops the clock in its last one;
# after "Back" the clock runs from its last update on. So four updates here
# stand for the two clicks.
game_script "wait 4" > straight.script
run_headless straight.script straight.log
straight="$(score_of_player)"
[ -n "$straight" ] || fail "the straight game entered no score"

rm -f highscore.dat
game_script "$(printf '%s\n' "click $NEW_GAME" "wait 5" "click $STONES_PERSONS" "click $LEVEL_FIVE" \
  "wait 600" "click $GAME_MENU_BACK")" > back.script
run_headless back.script back.log
[ "$(grep -c "^LevelCode:" back.log)" = 1 ] || fail "\"Back\" started another game"
back="$(score_of_player)"
[ -n "$back" ] || fail "the game resumed with \"Back\" entered no score"
# The virtual clock may step a millisecond differently around the menu; ten
# seconds more play time or the factor three would cost a third at least.
diff=$((straight > back ? straight - back : back - straight))
((diff * 100 <= straight)) || fail "scores differ: $straight straight, $back after \"Back\""

# From the menu over the unfinished game, "Start game" (beside "Back")
# makes a new puzzle.
{
  echo "wait $LOGO_UPDATES"
  echo "click $START_GAME"
  echo "wait 5"
  echo "click $GAME_MENU_START"
  echo "wait 30"
  echo "click $NEW_GAME"
  echo "wait 5"
  echo "click $GAME_MENU_START_BESIDE_BACK"
  echo "wait 30"
  echo "quit"
} > restart.script
run_headless restart.script restart.log
[ "$(grep -c "^LevelCode:" restart.log)" = 2 ] || fail "\"Start game\" beside \"Back\" made no new puzzle"
echo "game back: ok ($straight and $back)"
