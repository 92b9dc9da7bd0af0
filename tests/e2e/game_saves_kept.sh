#!/usr/bin/env bash
# Saved games that real play makes are kept: more hints than the board has
# cells ("Clear board" takes hint stones back) are continued; the info box
# parks the game for "New game" as the play screen does; time on the start
# menu after "Quit" is no play time.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

CLEAR_BOARD="100 183"
QUIT_TO_MENU="100 251"

# 45 hints, "Clear board", 45 hints again: 90 hints in one game.
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  for _ in $(seq 45); do echo "click $HINT"; echo "wait 2"; done
  echo "click $CLEAR_BOARD"
  echo "wait 2"
  for _ in $(seq 45); do echo "click $HINT"; echo "wait 2"; done
  echo "quit"
} > hints.script
run_headless hints.script hints.log
[ "$(grep -o 'hints="[0-9]*"' savegame.xml | cut -d'"' -f2)" = 90 ] || fail "the save does not hold the 90 hints"
cp savegame.xml hints.xml
printf '%s\n' "wait $LOGO_UPDATES" "click $CONTINUE" "wait 2" "quit" > continue.script
run_headless continue.script continue.log
grep -q "^continued savegame.xml" continue.log || fail "a game of 90 hints was not continued: $(grep savegame continue.log)"
[ ! -e savegame.xml.bad ] || fail "a genuine save was set aside"

# Ten seconds of play, "Quit", a minute on the start menu, program end.
rm -f savegame.xml
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  echo "wait 600"
  echo "click $QUIT_TO_MENU"
  echo "wait 3600"
  echo "quit"
} > menu_time.script
run_headless menu_time.script menu_time.log
elapsed="$(save_attribute savegame.xml elapsed)"
((elapsed >= 9900 && elapsed <= 10600)) || fail "the start menu's minute counted: elapsed $elapsed ms"

# Thirty moves, "?", "New game", ten seconds in the menu, "Back", one more
# move and a second of play: the board holds every move, the menu's time
# is no play time.
rm -f savegame.xml
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  type_solution "$LEVEL6_SOLUTION" 0 0 30
  echo "click $HELP"
  echo "wait 5"
  echo "click $NEW_GAME"
  echo "wait 600"
  echo "click $GAME_MENU_BACK"
  echo "wait 5"
  type_solution "$LEVEL6_SOLUTION" 29 29 31
  echo "wait 60"
  echo "quit"
} > info_box.script
run_headless info_box.script info_box.log
[ "$(grep -c "^LevelCode:" info_box.log)" = 1 ] || fail "the detour through the info box started another game"
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  type_solution "$LEVEL6_SOLUTION" 0 0 31
  echo "wait 60"
  echo "quit"
} > straight.script
cp savegame.xml detour.xml
rm -f savegame.xml
run_headless straight.script straight.log
cmp -s <(grep '<cell ' detour.xml) <(grep '<cell ' savegame.xml) || fail "after \"Back\" the board is not the one played"
detour="$(save_attribute detour.xml elapsed)"
straight="$(save_attribute savegame.xml elapsed)"
# The clicks on "?", "New game" and "Back" take a few updates of play each.
diff=$((detour - straight))
((diff >= -500 && diff <= 500)) || fail "the detour changed the play time by $diff ms ($detour against $straight)"
echo "game saves kept: ok"
