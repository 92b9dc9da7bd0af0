#!/usr/bin/env bash
# The game in a real OpenGL window under Xvfb: after the logo, the start
# menu's and the game menu's start buttons lead to a generated board, a
# click on a cell makes a move, F12 saves a screenshot of the window and
# Escape ends the program with exit code 0.
source "$(dirname "$0")/lib.sh"

start_game_in_xvfb
# Presses held like a person holds them (window_taps.sh sends instant ones).
click() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}
press() { xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"; }

sleep 7  # the logo runs about 5.7 seconds
click 400 318  # start menu: start game
click 400 538  # game menu: start game
for _ in $(seq 100); do grep -q "^LevelCode:" game.log && break; sleep 0.1; done
grep -q "^LevelCode:" game.log || { cat game.log; fail "no board was generated"; }
sleep 0.5
for cell in "276 101" "328 101" "380 101" "436 101"; do click $cell; done  # a move on the first row
# The loop looks for F12 and Escape once per pass; on a busy machine a pass
# runs several updates and a short press can fall between, so press again.
for _ in $(seq 10); do
  press F12
  for _ in $(seq 10); do [ -f screenshots/screen000.png ] && break; sleep 0.1; done
  [ -f screenshots/screen000.png ] && break
done
[ -f screenshots/screen000.png ] || { cat game.log; fail "F12 wrote no screenshot"; }
sleep 0.3
read -r w h colours < <("$PNGINFO" screenshots/screen000.png)
[ "$w" = 800 ] && [ "$h" = 600 ] || fail "screenshot is ${w}x${h}, expected the window's 800x600"
[ "$colours" -gt 100 ] || fail "screenshot looks too plain for the board ($colours colours)"
for _ in $(seq 10); do
  press Escape
  sleep 0.5
  kill -0 "$game" 2> /dev/null || break
done
expect_clean_exit
echo "window test (game): ok"
