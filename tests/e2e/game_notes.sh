#!/usr/bin/env bash
# Notes set with Shift + digit are saved with their cells; a digit placed
# later takes itself out of the notes of its row, column and box, and of no
# other cell.
source "$(dirname "$0")/game_lib.sh"

if ! headless_holds_keys; then
  echo "game notes: SKIPPED, the headless scripts cannot hold Shift yet (keydown)"
  exit 0
fi
work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# Row 0 of this puzzle reads 1 . . 9 . 4 . 8 3; the 6 belongs in column 1.
shifted() {
  echo "keydown $KEY_SHIFT"
  for digit in "$@"; do
    echo "key $((48 + digit))"
    echo "wait 1"
  done
  echo "keyup $KEY_SHIFT"
  echo "wait 1"
}
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  printf 'key %s\nwait 1\n' "$KEY_RIGHT" "$KEY_RIGHT"
  shifted 6 7  # column 2, row 0: same row and box as column 1
  printf 'key %s\nwait 1\n' "$KEY_RIGHT" "$KEY_RIGHT"
  shifted 6  # column 4, row 0: same row
  printf 'key %s\nwait 1\n' "$KEY_DOWN"
  shifted 6  # column 4, row 1: shares nothing with column 1, row 0
  echo "move 600 300"
  echo "wait 2"
  echo "shot notes_shift.png"
  echo "quit"
} > notes.script
run_headless notes.script notes.log
check_shot notes_shift.png

cell() { grep -o "<cell col=\"$1\" row=\"$2\" [^>]*" savegame.xml; }
expect_notes() {
  local found
  found="$(cell "$1" "$2")" || fail "savegame.xml holds no cell $1, $2"
  grep -q "notes=\"$3\"" <<< "$found" || fail "cell $1, $2 should note \"$3\": $found"
}
expect_notes 2 0 67
expect_notes 4 0 6
expect_notes 4 1 6

{
  echo "wait $LOGO_UPDATES"
  echo "click $CONTINUE"
  echo "wait 2"
  # The selection is back on column 4, row 1: three left and one up.
  printf 'key %s\nwait 1\n' "$KEY_LEFT" "$KEY_LEFT" "$KEY_LEFT" "$KEY_UP" 54
  echo "quit"
} > digit.script
run_headless digit.script digit.log
grep -q 'digit="6" state="0"' <<< "$(cell 1 0)" || fail "the 6 did not go into column 1, row 0: $(cell 1 0)"
expect_notes 2 0 7
expect_notes 4 0 ""
expect_notes 4 1 6
echo "game notes: ok"
