#!/usr/bin/env bash
# Keyboard play in a real window: a level-6 game from its level code solved
# with the arrows and digit keys alone (xdotool key taps, as a player's
# keyboard sends them), with a note set by Shift + digit and taken back by
# Ctrl+Z, and a digit taken back by Ctrl+Z and put again by Ctrl+Y on the
# way. The finished board enters its score.
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/window_lib.sh"

# Plays script lines of `type_solution` as real key taps.
tap_keys() {
  local command code
  while read -r command code; do
    [ "$command" = key ] || continue
    case "$code" in
      "$KEY_LEFT") xdotool key Left ;;
      "$KEY_UP") xdotool key Up ;;
      "$KEY_RIGHT") xdotool key Right ;;
      "$KEY_DOWN") xdotool key Down ;;
      *) xdotool key "$((code - 48))" ;;
    esac
    sleep 0.1
  done
}

# A key tapped while a modifier is held, as a player does it: the modifier
# goes down and up in updates of its own.
with_held() {
  xdotool keydown "$1"
  sleep 0.1
  xdotool key "$2"
  sleep 0.1
  xdotool keyup "$1"
  sleep 0.1
}

# Waits up to 10 s for the save to show (or, with !, to lose) a pattern.
save_shows() {
  local want=0
  if [ "$1" = ! ]; then want=1; shift; fi
  for _ in $(seq 100); do
    local found=1
    grep -q "$1" savegame.xml 2> /dev/null && found=0
    [ "$found" = "$want" ] && return 0
    sleep 0.1
  done
  return 1
}

start_game_in_xvfb
sleep 7  # the logo runs about 5.7 seconds
tap_at $REPEAT_GAME
tap_at $LEVEL_CODE
LC_ALL=C.UTF-8 xdotool type "$(tr 'A-F' 'a-f' <<< "$LEVEL6_CODE")"
sleep 0.3
tap_at $REPEAT_START
wait_for_board
record_names > known_names.txt

# Step 19 of the walk is column 1 of row 2, an empty cell of this puzzle.
type_solution "$LEVEL6_SOLUTION" 0 0 19 | tap_keys
xdotool key Right
sleep 0.1
with_held shift 7
save_shows '<cell col="1" row="2" digit="0" state="0" notes="7"' || fail "Shift+7 set no note in column 1, row 2"
with_held ctrl z
save_shows '<cell col="1" row="2" digit="0" state="0" notes=""' || fail "Ctrl+Z left the note"
type_solution "$LEVEL6_SOLUTION" 19 19 20 | tap_keys
save_shows ! '<cell col="1" row="2" digit="0"' || fail "the digit in column 1, row 2 was not saved"
with_held ctrl z
save_shows '<cell col="1" row="2" digit="0" state="0"' || fail "Ctrl+Z left the digit"
with_held ctrl y
save_shows ! '<cell col="1" row="2" digit="0"' || fail "Ctrl+Y did not put the digit again"
type_solution "$LEVEL6_SOLUTION" 19 20 81 | tap_keys
for _ in $(seq 50); do [ -n "$(newest_name)" ] && break; sleep 0.2; done
[ -n "$(newest_name)" ] || fail "the board solved with the keyboard entered no score"
[ ! -e savegame.xml ] || fail "the finished game is still saved"
end_game_with_escape
echo "window test (keyboard play): ok"
