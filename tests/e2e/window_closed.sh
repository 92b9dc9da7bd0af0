#!/usr/bin/env bash
# A window destroyed from outside (another client closing it) and a lost
# display connection (the client killed at the server) each end the game
# with exit code 0, and the game on the board is saved at that moment, not
# only at its last move.
source "$(dirname "$0")/lib.sh"

click() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}

elapsed_saved() { sed -n 's/.*elapsed="\([0-9]*\)".*/\1/p' savegame.xml | head -n 1; }

# Starts a game, makes a move and lets the clock run on; sets `moved`, the
# play time the move's save holds.
play_a_move() {
  sleep 7  # the logo, about 5.7 seconds
  # A busy machine may still show the logo: the two start buttons again.
  for _ in $(seq 10); do
    click 400 318
    click 400 538
    for _ in $(seq 30); do grep -q "^LevelCode:" game.log && break; sleep 0.1; done
    grep -q "^LevelCode:" game.log && break
  done
  grep -q "^LevelCode:" game.log || { cat game.log; fail "no board was generated"; }
  sleep 0.5
  # A click a busy machine lost is clicked again.
  # Cells along the top two rows until one is the player's (givens take no
  # click); each a second time, for a click a busy machine lost.
  for pass in 1 2; do
    for y in 101 153; do
      for x in 276 328 380 436 488 540 592 644 696; do
        click "$x" "$y"
        [ -f savegame.xml ] && break 3
      done
    done
  done
  for _ in $(seq 20); do [ -f savegame.xml ] && break; sleep 0.1; done
  [ -f savegame.xml ] || { ls; tail -5 game.log; fail "a move saved no game"; }
  moved="$(elapsed_saved)"
  sleep 3
}

expect_saved_at_the_end() {
  [ -f savegame.xml ] || fail "$1: the game was not saved"
  local now
  now="$(elapsed_saved)"
  [ -n "$now" ] && [ "$now" -ge $((moved + 2000)) ] ||
    { cat game.log; fail "$1: the save holds ${now:-no} ms of play, the move's save $moved ms (not saved at the end)"; }
}

# 1. The window destroyed by another client.
start_game_in_xvfb
play_a_move
xdotool windowclose "$window"
expect_clean_exit
expect_saved_at_the_end "window closed from outside"
stop_xvfb

# 2. The game's connection to the X server cut by the server.
start_game_in_xvfb
play_a_move
xkill -id "$window" > /dev/null
expect_clean_exit
expect_saved_at_the_end "connection lost"
echo "window test (closed from outside): ok"
