#!/usr/bin/env bash
# A hidden window costs next to nothing: under Xvfb, with the real OpenGL
# renderer, the game's share of one core is measured on the start menu, on
# the play screen and with the window unmapped (as a minimised window is);
# hidden it must stay under 2 %, and the start menu, where nothing moves
# until the player does, under 10 % (it draws only when something changes). Shown again, it still plays and Escape
# ends it cleanly. Prints the figures.
source "$(dirname "$0")/lib.sh"

# The game's processor time in clock ticks (user + system).
ticks() { awk '{ print $14 + $15 }' "/proc/$game/stat"; }
# Its share of one core over the given seconds.
share() {
  local before after
  before="$(ticks)"
  sleep "$1"
  after="$(ticks)"
  awk -v d="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$1" 'BEGIN { printf "%.3f", d / hz / s }'
}
click() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}

start_game_in_xvfb
sleep 7  # the logo runs about 5.7 seconds
menu="$(share 5)"
click 400 318  # start menu: start game
click 400 538  # game menu: start game
for _ in $(seq 100); do grep -q "^LevelCode:" game.log && break; sleep 0.1; done
grep -q "^LevelCode:" game.log || { cat game.log; fail "no board was generated"; }
sleep 1
playing="$(share 5)"
xdotool windowunmap --sync "$window"
sleep 1
hidden="$(share 10)"
xdotool windowmap --sync "$window"
sleep 1
shown_again="$(share 3)"
echo "share of one core: start menu $menu, play screen $playing, hidden $hidden, shown again $shown_again"
kill -0 "$game" 2> /dev/null || { cat game.log; fail "the game ended while hidden"; }
awk -v h="$hidden" 'BEGIN { exit !(h < 0.02) }' || fail "hidden, the game still used $hidden of a core"
awk -v m="$menu" 'BEGIN { exit !(m < 0.10) }' || fail "on the still start menu, the game used $menu of a core"
awk -v s="$shown_again" 'BEGIN { exit !(s > 0.005) }' || fail "shown again, the game seems to draw nothing ($shown_again)"
xdotool windowfocus "$window" 2> /dev/null || true
for _ in $(seq 10); do
  xdotool keydown Escape
  sleep 0.2
  xdotool keyup Escape
  kill -0 "$game" 2> /dev/null || break
  sleep 0.3
done
expect_clean_exit
echo "window hidden: ok"
