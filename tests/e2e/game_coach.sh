#!/usr/bin/env bash
# The coach: H on a fresh board explains a step and counts one hint; H again
# makes the step, whose digits are the solution's. A wrong digit of the
# player's is pointed out before any step, and H again takes it out.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

hints() { grep -o '<stats [^>]*' savegame.xml | grep -o 'hints="[0-9]*"' | cut -d'"' -f2; }
# Every digit the player's side holds, as "col row digit".
player_digits() {
  grep -o '<cell [^>]*' savegame.xml | grep 'state="0"' |
    sed -n 's/.*col="\([0-9]\)" row="\([0-9]\)" digit="\([1-9]\)".*/\1 \2 \3/p'
}

{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  echo "key $KEY_H"
  echo "wait 2"
  echo "move $POINTER_AWAY"
  echo "wait 2"
  echo "shot coach_explain.png"
  echo "quit"
} > explain.script
run_headless explain.script explain.log
[ "$(hints)" = 1 ] || fail "an explanation should count one hint, the save says $(hints)"
[ -z "$(player_digits)" ] || fail "showing a step placed digits: $(player_digits)"
check_shot coach_explain.png

# The same explanation in the other theme and language.
cp settings.xml shipped_settings.xml
sed -e 's|<language>english</language>|<language>german</language>|' \
  -e 's|<skin>themes/base</skin>|<skin>themes/winter</skin>|' shipped_settings.xml > settings.xml
sed 's/coach_explain.png/coach_explain_winter_german.png/' explain.script > explain_german.script
rm -f savegame.xml
run_headless explain_german.script explain_german.log
check_shot coach_explain_winter_german.png
cp shipped_settings.xml settings.xml

{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  echo "click $EXPLAIN"
  echo "wait 2"
  echo "click $EXPLAIN"
  echo "wait 2"
  echo "quit"
} > apply.script
rm -f savegame.xml  # a new puzzle over a saved one would ask first
run_headless apply.script apply.log
[ "$(hints)" = 1 ] || fail "making the step shown is no further hint, the save says $(hints)"
placed="$(player_digits)"
[ -n "$placed" ] || fail "the first step of a fresh board places a digit"
while read -r col row digit; do
  [ "${LEVEL6_SOLUTION:row * 9 + col:1}" = "$digit" ] || fail "the coach placed $digit at $col, $row"
done <<< "$placed"
grep -q '<history position="1"' savegame.xml || fail "the step should be one undo step"

# Row 0 reads 1 . . 9 . 4 . 8 3; column 1 holds 6, not 7.
{
  echo "wait $LOGO_UPDATES"
  start_from_code "$LEVEL6_CODE"
  echo "key $KEY_RIGHT"
  echo "wait 1"
  echo "key 55"
  echo "wait 1"
  echo "key $KEY_H"
  echo "wait 2"
  echo "move $POINTER_AWAY"
  echo "wait 2"
  echo "shot coach_wrong.png"
  echo "quit"
} > wrong.script
rm -f savegame.xml
run_headless wrong.script wrong.log
[ "$(player_digits)" = "1 0 7" ] || fail "pointing out the wrong digit changed the board: $(player_digits)"
[ "$(hints)" = 1 ] || fail "pointing out counts one hint, the save says $(hints)"
{
  echo "wait $LOGO_UPDATES"
  echo "click $CONTINUE"
  echo "wait 2"
  echo "key $KEY_H"
  echo "wait 2"
  echo "key $KEY_H"
  echo "wait 2"
  echo "quit"
} > again.script
run_headless again.script again.log
[ -z "$(player_digits)" ] || fail "after a resume, H shows the wrong digit again and H takes it out: $(player_digits)"
[ "$(hints)" = 2 ] || fail "the second showing counts, the save says $(hints)"
echo "game coach: ok"
