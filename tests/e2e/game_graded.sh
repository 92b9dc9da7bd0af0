#!/usr/bin/env bash
# A game of a chosen grade: Hard picked in the game menu's grade list, the
# game started, its code read from the log and the save, typed into "Replay
# a level": the same board comes back. The menu with the list open is
# looked at in the base theme in English and in the winter theme in German.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# The grade list right of "Mix It", and its third entry (Hard) when open.
GRADE_LIST="490 305"
GRADE_HARD="490 364"

# Writes the script; shot names end in $1.
graded_script() {
  cat << SCRIPT
wait $LOGO_UPDATES
click $START_GAME
wait 5
click $GRADE_LIST
move $GRADE_HARD
wait 5
shot grade_list$1.png
click $GRADE_HARD
move $POINTER_AWAY
wait 5
click $GAME_MENU_START
wait 30
quit
SCRIPT
}

cp settings.xml shipped_settings.xml
graded_script "" > graded.script
run_headless graded.script graded.log
check_shot grade_list.png
code="$(grep -m 1 "^LevelCode:" graded.log | cut -d: -f2)"
[[ "$code" =~ ^H-[0-9A-F]{1,6}$ ]] || fail "no Hard game was started, the log's code is \"$code\""
[ "$(save_attribute savegame.xml code)" = "$code" ] || fail "the save holds $(save_attribute savegame.xml code), not $code"
[ "$(save_attribute savegame.xml level)" = 9 ] || fail "a graded game is saved at level $(save_attribute savegame.xml level)"

rm -f savegame.xml  # a new puzzle over a saved one would ask first
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$code"
  echo "wait 20"
  echo "quit"
} > replay.script
run_headless replay.script replay.log
[ "$(grep -c "^LevelCode:" replay.log)" = 1 ] || fail "the code $code gave no board: $(tail -n 5 replay.log)"
[ "$(generated_board replay.log)" = "$(generated_board graded.log)" ] ||
  fail "the code $code gave another board: $(generated_board replay.log)"

sed -e 's|<language>english</language>|<language>german</language>|' \
  -e 's|<skin>themes/base</skin>|<skin>themes/winter</skin>|' shipped_settings.xml > settings.xml
rm -f savegame.xml
graded_script "_winter_german" > german.script
run_headless german.script german.log
check_shot grade_list_winter_german.png
grep -q "^LevelCode:H-" german.log || fail "no Hard game was started in German"
echo "game graded: ok"
