#!/usr/bin/env bash
# Headless runs: scripted input, virtual clock, deterministic screenshots.
source "$(dirname "$0")/lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > run.script <<'SCRIPT'
# move over a board cell, press F12, take our own shot
wait 10
move 300 100
wait 30
key 123
wait 5
shot a.png
# a tap shorter than one update, then a press held for 40 updates
keydown 123
keyup 123
wait 5
keydown 123
wait 40
keyup 123
wait 5
quit
SCRIPT

timeout 60 "$GRIDLET_BIN" --headless run.script > out1.txt || fail "headless run exited with $?"
[ -f a.png ] || fail "shot a.png missing"
read -r w h colours < <("$PNGINFO" a.png)
[ "$w" = 800 ] && [ "$h" = 600 ] || fail "shot is ${w}x${h}, expected 800x600"
[ "$colours" -gt 10 ] || fail "shot looks blank ($colours colours)"
[ -f screenshots/screen000.png ] || fail "F12 wrote no screenshot"
grep -q "Screenshot saved as screenshots/screen000.png" out1.txt || fail "no screenshot log line"
# One screenshot per press, however many passes of the loop see it.
shots="$(ls screenshots | tr '\n' ' ')"
[ "$shots" = "screen000.png screen001.png screen002.png " ] || fail "three presses of F12 wrote: $shots"

mv a.png first.png
rm -f screenshots/*
timeout 60 "$GRIDLET_BIN" --headless run.script > out2.txt || fail "second run exited with $?"
cmp -s a.png first.png || fail "the same script gave different screenshots"

printf 'wait 2\nfly 1 2\n' > bad.script
set +e
timeout 20 "$GRIDLET_BIN" --headless bad.script 2> err.txt
code=$?
set -e
[ "$code" = 2 ] || fail "unknown script line exited with $code, expected 2"
grep -q "line 2" err.txt || fail "the message does not name the bad line: $(cat err.txt)"

printf 'wait 3\n' > end.script
timeout 20 "$GRIDLET_BIN" --headless end.script > /dev/null || fail "end of script should exit 0"
echo "headless runs: ok"
