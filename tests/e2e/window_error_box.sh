#!/usr/bin/env bash
# While a message box is open (a font missing from the game folder), SIGTERM
# still ends the program within two seconds and takes the box with it.
source "$(dirname "$0")/lib.sh"

work="$(e2e_workdir)"
rm "$work/themes/base/imagefont.vnt"
start_xvfb
show_message_boxes_in "$work"
cd "$work"
LIBGL_ALWAYS_SOFTWARE=1 "$GRIDLET_BIN" > game.log 2>&1 &
game=$!
trap 'kill "$game" 2> /dev/null || true; kill "$xvfb" 2> /dev/null || true; rm -rf "$work"' EXIT

running() { [ -e "/proc/$game" ] && [ "$(cut -d' ' -f3 "/proc/$game/stat" 2> /dev/null)" != Z ]; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

for _ in $(seq 200); do
  [ -n "$(message_box_windows)" ] && break
  running || break
  sleep 0.1
done
[ -n "$(message_box_windows)" ] || { cat game.log; fail "no message box appeared"; }
sleep 1
sent="$(now_ms)"
kill -TERM "$game"
while running && (($(now_ms) - sent < 10000)); do sleep 0.05; done
took=$(($(now_ms) - sent))
running && fail "the program still runs ${took} ms after SIGTERM with a message box open"
((took <= 2000)) || fail "the program ended ${took} ms after SIGTERM, more than 2000 ms"
sleep 0.5
[ -z "$(message_box_windows)" ] || fail "a message box stays open after the program ended"
echo "window test (SIGTERM with a message box open): ok, ended after ${took} ms"
