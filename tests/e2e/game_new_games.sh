#!/usr/bin/env bash
# "New game" right after a game: the headless clock stands almost still
# between the games, yet every new game brings another puzzle.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

games=4
{
  echo "wait $LOGO_UPDATES"
  echo "click $START_GAME"
  echo "wait 5"
  echo "click $GAME_MENU_START"
  echo "wait 10"
  # Each later game leaves an unfinished one: its menu has "Back" too.
  for _ in $(seq 2 "$games"); do
    echo "click $NEW_GAME"
    echo "wait 5"
    echo "click $GAME_MENU_START_BESIDE_BACK"
    echo "wait 10"
  done
  echo "quit"
} > new_games.script
run_headless new_games.script new_games.log

codes="$(grep "^LevelCode:" new_games.log | cut -d: -f2)"
[ "$(wc -l <<< "$codes")" = "$games" ] || fail "expected $games games: $(tail -n 5 new_games.log)"
[ "$(sort -u <<< "$codes" | wc -l)" = "$games" ] || fail "a new game repeated the puzzle before it: $(tr '\n' ' ' <<< "$codes")"
echo "new games in a row: ok"
