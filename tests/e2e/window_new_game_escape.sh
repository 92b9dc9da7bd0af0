#!/usr/bin/env bash
# A level game with three hints, "New game", Mix It every minute and level 8
# (or the grade Extreme) picked in the game menu, "Start game" and then the
# program ended while the puzzle is still being made: by Escape at several
# delays, by SIGTERM and by the window closed from outside. However it ends,
# the save is the one "New game" made of the game left (its play time
# aside, which may move by the milliseconds between its save and the menu
# opening). A level 8 puzzle takes about 0.2 s to make.
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/window_lib.sh"

LEVEL_EIGHT="352 220"
GRADE_LIST="490 305"
GRADE_EXTREME="490 406"

# The save without its play time, one attribute per line.
save_values() { sed 's/ elapsed="[0-9]*"//' savegame.xml | tr -d '\r' | tr ' ' '\n'; }

wait_for_save() {
  for _ in $(seq 50); do [ -s savegame.xml ] && break; sleep 0.1; done
  [ -s savegame.xml ] || { cat game.log; fail "$1: no game was saved"; }
}

pick_level_eight() { tap_at $LEVEL_EIGHT; }
pick_extreme() {
  tap_at $GRADE_LIST
  tap_at $GRADE_EXTREME
}

# One run: the menu's choices are made by the second argument, and the game
# ends by the command in the rest after "Start game".
run_ending() {
  local what="$1" pick="$2"
  shift 2
  work="$(e2e_workdir)"
  start_game_in_window
  sleep 7  # the logo, about 5.7 seconds
  tap_at $START_GAME
  tap_at $GAME_MENU_START
  wait_for_board 0
  for _ in 1 2 3; do tap_at $HINT; done
  tap_at $NEW_GAME
  wait_for_save "$what"
  sleep 0.5
  save_values > parked.txt
  grep -q 'hints="[1-9]' parked.txt || fail "$what: the hints were not saved: $(grep hints parked.txt)"
  tap_at $MIXIT_LIST
  tap_at $MIXIT_EVERY_MINUTE
  "$pick"
  xdotool mousemove --window "$window" $GAME_MENU_START_BESIDE_BACK
  sleep 0.2
  xdotool click 1
  "$@"
  expect_clean_exit
  [ -s savegame.xml ] || { cat game.log; fail "$what: the game left was not saved"; }
  save_values > ended.txt
  # An Escape that comes after the new puzzle stands ends that game, which
  # is then the one to keep; it must be wholly new, never a mix of the two.
  if [ "$ending_may_follow_creation" = 1 ] && ! cmp -s parked.txt ended.txt; then
    local new_code
    new_code="$(grep '^LevelCode:' game.log | tail -n 1 | cut -d: -f2)"
    grep -qx "code=\"$new_code\"" ended.txt && grep -qx 'active="1"' ended.txt && grep -qx 'level="8">' ended.txt ||
      { diff parked.txt ended.txt | head -n 8 || true; fail "$what: the save is neither the parked game nor the new one"; }
  elif ! cmp -s parked.txt ended.txt; then
    diff parked.txt ended.txt | head -n 8 || true
    tail -n 30 game.log
    fail "$what: the save differs from the one \"New game\" made"
  fi
  cd /
  rm -rf "$work"
}

escape_after() {
  sleep "$1"
  for _ in $(seq 10); do
    xdotool key Escape
    sleep 0.3
    kill -0 "$game" 2> /dev/null || break
  done
}
terminate_after() {
  sleep "$1"
  kill -TERM "$game"
}
close_after() {
  sleep "$1"
  xdotool windowclose "$window"
}

work="$(mktemp -d)"
start_xvfb
# A level 8 puzzle may stand within 0.1 s on a fast machine.
for delay in 0 0.03 0.1; do
  ending_may_follow_creation=$([ "$delay" = 0.1 ] && echo 1 || echo 0)
  run_ending "Escape ${delay} s after \"Start game\"" pick_level_eight escape_after "$delay"
done
ending_may_follow_creation=0
run_ending "SIGTERM" pick_level_eight terminate_after 0.03
run_ending "the window closed" pick_level_eight close_after 0.03
run_ending "Escape while an Extreme puzzle is built" pick_extreme escape_after 0.03
work="$(mktemp -d)"  # for the trap
echo "window test (new game ended early): ok"
