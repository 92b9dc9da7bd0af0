#!/usr/bin/env bash
# The game menu's level slider: every level from 1 to 9 can be chosen with
# the mouse (a click at either end of the track) and with the arrow keys,
# and the knob stays on the track at level 9. Each choice is checked by the
# level of the game it starts.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# The slider's track runs from x 230 to 385 at y 205 to 243.
SLIDER_RIGHT_END="383 224"
SLIDER_LEFT_END="232 224"

# The level of the game a script starts: the first digit of its level
# code's decimal form.
started_level() {
  local code
  code="$(grep -m 1 "^LevelCode:" "$1" | cut -d: -f2)"
  [ -n "$code" ] || fail "no game was started: $(tail -n 3 "$1")"
  "$GRIDLET_BIN" code "$code" | sed -n 's/^level: //p'
}

# Writes a script that opens the game menu, runs the given lines, starts
# the game and quits.
menu_script() {
  echo "wait $LOGO_UPDATES"
  echo "click $START_GAME"
  echo "wait 5"
  cat
  echo "click $GAME_MENU_START"
  echo "wait 30"
  echo "quit"
}

# The mouse: the right end gives level 9 (its look is kept), the left end level 1.
printf 'click %s\nmove %s\nwait 5\nshot level_nine.png\n' "$SLIDER_RIGHT_END" "$POINTER_AWAY" | menu_script > right.script
run_headless right.script right.log
check_shot level_nine.png
[ "$(started_level right.log)" = 9 ] || fail "a click at the track's right end started level $(started_level right.log)"
rm -f savegame.xml
{ echo "click $SLIDER_RIGHT_END"; echo "click $SLIDER_LEFT_END"; } | menu_script > left.script
run_headless left.script left.log
[ "$(started_level left.log)" = 1 ] || fail "a click at the track's left end started level $(started_level left.log)"

# The keyboard: Right goes up one level and stops at 9, Left goes down.
for presses in "10 0 9" "10 2 7" "3 0 4"; do
  read -r right left expected <<< "$presses"
  rm -f savegame.xml
  { press_times "$KEY_RIGHT" "$right"; press_times "$KEY_LEFT" "$left"; } | menu_script > keys.script
  run_headless keys.script keys.log
  level="$(started_level keys.log)"
  [ "$level" = "$expected" ] || fail "$right x Right and $left x Left started level $level, not $expected"
done
echo "game levels: ok"
