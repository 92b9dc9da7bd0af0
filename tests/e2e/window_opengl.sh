#!/usr/bin/env bash
# The real OpenGL renderer in a window under Xvfb: F12 writes a screenshot of
# the window's size, Escape ends the program with exit code 0.
source "$(dirname "$0")/lib.sh"

start_game_in_xvfb
sleep 1
xdotool mousemove --window "$window" 300 100
sleep 0.5
# A press held like a person holds it (window_taps.sh sends instant ones).
press() { xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"; }
press F12
for _ in $(seq 50); do [ -f screenshots/screen000.png ] && break; sleep 0.1; done
[ -f screenshots/screen000.png ] || { cat game.log; fail "F12 wrote no screenshot"; }
sleep 0.3
read -r w h colours < <("$PNGINFO" screenshots/screen000.png)
[ "$w" = 800 ] && [ "$h" = 600 ] || fail "screenshot is ${w}x${h}, expected the window's 800x600"
[ "$colours" -gt 10 ] || fail "screenshot looks blank ($colours colours)"
press Escape
expect_clean_exit
echo "window test (OpenGL): ok"
