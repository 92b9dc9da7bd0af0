#!/usr/bin/env bash
# Damaged and hostile save files: the game starts as if there were none,
# says so in one log line, offers no "Continue", plays a new game, and
# leaves the settings and the highscore table alone. The refused file is
# kept as savegame.xml.bad, never deleted.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

{
  echo "wait $LOGO_UPDATES"
  echo "shot damaged_start.png"
  echo "click $START_GAME"
  echo "wait 5"
  echo "click $GAME_MENU_START"
  echo "wait 30"
  echo "quit"
} > damaged.script

# A genuine save to damage: a game from a level code, closed at once.
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  echo "quit"
} > save.script
run_headless save.script save.log
[ -f savegame.xml ] || fail "no save to damage"
cp savegame.xml genuine.xml
cp settings.xml settings.before
size=$(stat -c %s genuine.xml)
seed="$("$GRIDLET_BIN" code "$LEVEL6_CODE" | grep '^seed:' | cut -d' ' -f2)"
# Formed by hand: "gridlet code" makes codes only for seeds that give a puzzle.
level3_code="$(printf '%X' "31$seed")"
# A given of the genuine board: column, row and digit.
read -r given_col given_row given_digit <<< "$(grep -o '<cell col="[0-9]" row="[0-9]" digit="[0-9]" state="1"' genuine.xml |
  head -n 1 | grep -o '[0-9]' | tr '\n' ' ')"

damage() {
  case "$1" in
    cut) head -c $((size / 2)) genuine.xml ;;
    version) sed 's/version="1"/version="2"/' genuine.xml ;;
    column) sed 's/<cell col="8" row="8"/<cell col="9" row="8"/' genuine.xml ;;
    digit) sed '0,/digit="0"/s//digit="12"/' genuine.xml ;;
    huge) sed 's/<history position="0">/<history position="99999999999">/; s/<history position="0"\/>/<history position="99999999999"\/>/' genuine.xml ;;
    binary) head -c 4096 /dev/urandom ;;
    # A history whose redo would overwrite a given.
    history) sed "s|<history position=\"0\"/>|<history position=\"1\"><move cycle=\"0\"><change col=\"$given_col\" row=\"$given_row\" before=\"$given_digit,1,\" after=\"0,0,\"/></move></history>|" genuine.xml ;;
    # The same seed under another level's code, which gives no such board.
    code) sed "s/code=\"$LEVEL6_CODE\" level=\"6\"/code=\"$level3_code\" level=\"3\"/" genuine.xml ;;
    days) sed 's/elapsed="[0-9]*"/elapsed="1036800001"/' genuine.xml ;;
    empty) : ;;
  esac
}
for kind in cut version column digit huge binary empty history code days folder; do
  rm -rf savegame.xml savegame.xml.bad highscore.dat
  if [ "$kind" = folder ]; then mkdir savegame.xml; else damage "$kind" > damaged.xml; cp damaged.xml savegame.xml; fi
  [ "$kind" = folder ] || ! cmp -s damaged.xml genuine.xml || fail "$kind: the damage changed nothing"
  run_headless damaged.script "damaged_$kind.log"
  if [ "$kind" != folder ]; then
    cmp -s savegame.xml.bad damaged.xml || fail "$kind: the refused save was not kept as savegame.xml.bad"
  fi
  [ "$(grep -c "savegame.xml ignored" "damaged_$kind.log")" = 1 ] ||
    fail "$kind: not one log line about the save: $(grep savegame "damaged_$kind.log")"
  cmp -s damaged_start.png "$REFERENCE_DIR/start_menu.png" || fail "$kind: the start menu is not as without a save"
  grep -q "^LevelCode:" "damaged_$kind.log" || fail "$kind: no new game could be started"
  cmp -s settings.xml settings.before || fail "$kind: settings.xml changed"
  [ "$(highscore_records highscore.dat | wc -l)" = 100 ] || fail "$kind: the highscore table is not whole"
done
echo "game damaged save: ok"
