#!/usr/bin/env bash
# Instant clicks and key taps in a real window: presses released before the
# next update (xdotool click, key and type send press and release at once)
# still press buttons, focus and edit the name field, and end the game with
# Escape. The name typed that way is the one stored with the score.
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/window_lib.sh"

start_game_in_xvfb
sleep 7  # the logo runs about 5.7 seconds
tap_at $START_GAME
play_named_game "abcdef"
end_game_with_escape
echo "window test (taps): ok"
