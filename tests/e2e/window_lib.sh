# Helpers of the window tests that play through the menus with instant
# clicks and key taps (game coordinates; the window is 800 x 600).

# A click whose press and release are sent at once.
tap_at() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.1
  xdotool click 1
  sleep 0.3
}

# Empties the game menu's name field with Backspace taps and types a name,
# or, with a second argument, runs that command to type it.
type_player_name() {
  tap_at $PLAYER_NAME
  local i
  for i in $(seq 24); do xdotool key BackSpace; done
  sleep 0.2
  if [ $# -gt 1 ]; then
    "$2"
  else
    LC_ALL=C.UTF-8 xdotool type "$1"
  fi
  sleep 0.5
}

boards_generated() { grep -c "^LevelCode:" game.log || true; }

# Waits until more boards were generated than the given count.
wait_for_board() {
  local before="${1:-0}"
  for _ in $(seq 200); do [ "$(boards_generated)" -gt "$before" ] && break; sleep 0.1; done
  [ "$(boards_generated)" -gt "$before" ] || { cat game.log; fail "no board was generated"; }
  sleep 0.5
}

# The names in highscore.dat without leading blanks (the emptied field's
# placeholder).
record_names() {
  local records=""
  [ -f highscore.dat ] && records="$(highscore_records highscore.dat)"
  printf '%s\n' "$records" | LC_ALL=C cut -d' ' -f2- | LC_ALL=C sed 's/^ *//'
}

# The stored name of the newest score: the record the table did not hold before.
newest_name() { record_names | { LC_ALL=C grep -a -vxF -f known_names.txt || true; }; }

# Taps "Hint" until the board is complete and a score was stored.
solve_with_hint_taps() {
  record_names > known_names.txt
  xdotool mousemove --window "$window" $HINT
  sleep 0.2
  for _ in $(seq 90); do
    xdotool click 1
    sleep 0.12
    [ -n "$(newest_name)" ] && break
  done
  sleep 0.5
}

# The name stored with the newest score (and in settings.xml, where the
# game writes it there) is exactly the given one, as Windows-1252 bytes.
expect_stored_name() {
  local want got
  want="$(printf '%s' "$1" | iconv -f UTF-8 -t CP1252)"
  got="$(newest_name)"
  [ "$got" = "$want" ] || fail "stored name \"$(printf '%s' "$got" | iconv -f CP1252 -t UTF-8)\", typed \"$1\""
  local saved
  saved="$(LC_ALL=C sed -n 's|.*<username>\(.*\)</username>.*|\1|p' settings.xml |
    perl -pe 's/^ *//; s/&apos;/\x27/g; s/&quot;/"/g; s/&lt;/</g; s/&gt;/>/g; s/&#(\d+);/chr($1)/ge; s/&amp;/&/g')"
  if [ "$saved" != "Player" ] && [ "$saved" != "$want" ]; then
    fail "settings.xml holds the name \"$saved\", typed \"$1\""
  fi
}

# From the game menu: a game under this name, solved with hints; then back
# to the game menu through "New game". A second argument: the command that
# types the name.
play_named_game() {
  local before
  before="$(boards_generated)"
  type_player_name "$@"
  tap_at $GAME_MENU_START
  wait_for_board "$before"
  solve_with_hint_taps
  expect_stored_name "$1"
  tap_at $NEW_GAME
}

end_game_with_escape() {
  for _ in $(seq 10); do
    xdotool key Escape
    sleep 0.5
    kill -0 "$game" 2> /dev/null || break
  done
  expect_clean_exit
}
