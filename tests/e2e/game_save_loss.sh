#!/usr/bin/env bash
# A new puzzle from the start menu while "Continue" offers an unfinished
# game: the start menu asks first. "Back" keeps the saved game; "Start
# anyway" goes on, and the save is given up once the new puzzle stands.
# Shot in the base theme in English and in the winter theme in German.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

IN_GAME_QUIT="100 251"
LOSS_START_ANYWAY="307 348"
LOSS_BACK="492 348"

# An unfinished game (one hint), left for the start menu; the question,
# shot, then "Back" (or, with $2, "Start anyway" and a new game).
loss_script() {
  local suffix="$1" answer="$2"
  cat <<SCRIPT
wait $LOGO_UPDATES
click $START_GAME
wait 5
click $GAME_MENU_START
wait 30
click $HINT
wait 5
click $IN_GAME_QUIT
wait 5
click $START_GAME
move $POINTER_AWAY
wait 5
shot save_loss$suffix.png
click $answer
wait 5
SCRIPT
  if [ "$answer" = "$LOSS_START_ANYWAY" ]; then
    echo "click $GAME_MENU_START"
    echo "wait 30"
  fi
  echo "quit"
}

cp settings.xml shipped_settings.xml
loss_script "" "$LOSS_BACK" > back.script
run_headless back.script back.log
check_shot save_loss.png
[ -f savegame.xml ] || fail "\"Back\" gave up the saved game"
code="$(save_attribute savegame.xml code)"
[ -n "$code" ] || fail "the saved game names no level code"

sed -e 's|<language>english</language>|<language>german</language>|' \
  -e 's|<skin>themes/base</skin>|<skin>themes/winter</skin>|' shipped_settings.xml > settings.xml
rm -f savegame.xml
loss_script "_winter_german" "$LOSS_START_ANYWAY" > anyway.script
run_headless anyway.script anyway.log
check_shot save_loss_winter_german.png
[ "$(grep -c "^LevelCode:" anyway.log)" = 2 ] || fail "\"Start anyway\" did not lead to a new puzzle"
# The program's end saves the new game: the save is of the second puzzle.
second="$(grep "^LevelCode:" anyway.log | tail -n 1 | cut -d: -f2)"
[ "$(save_attribute savegame.xml code)" = "$second" ] || fail "the save is not of the new puzzle"
echo "game save loss: ok"
