#!/usr/bin/env bash
# What a player sees around the board, in both themes and both languages:
# the tip of a side button that costs something, and at the end the result
# panel's boxes centred on the board with the highscore lists beside and in
# it, where a 20-character name beside a 5-digit score is cut to fit.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"
without_theme_effects

# One highscore record: the score as 32-bit little endian, the name's length, the name.
record() {
  local score="$1" name="$2" i
  for i in 0 8 16 24; do printf "\\$(printf %03o $(((score >> i) & 255)))"; done
  printf "\\$(printf %03o ${#name})%s" "$name"
}
{
  record 99999 "WWWWWWWWWWWWWWWWWWWW"
  record 12345 "Anneliese Schneider!"
  record 150 "Create"
  record 125 "Your"
  record 100 "Own"
  record 25 "Have fun!"
  for _ in $(seq 94); do record 0 ""; done
} > highscore.dat
cp highscore.dat table.dat

looks_script() {
  local suffix="$1"
  cat << SCRIPT
wait $LOGO_UPDATES
click $START_GAME
wait 5
click $GAME_MENU_START
wait 30
move $SOLVE
wait 5
shot solve_tip$suffix.png
click $SOLVE
move 785 300
wait 5
shot result_panel$suffix.png
quit
SCRIPT
}

cp settings.xml shipped_settings.xml
looks_script "" > looks.script
run_headless looks.script looks.log
sed -e 's|<language>english</language>|<language>german</language>|' \
  -e 's|<skin>themes/base</skin>|<skin>themes/winter</skin>|' shipped_settings.xml > settings.xml
looks_script "_winter_german" > looks_german.script
run_headless looks_german.script looks_german.log
cmp -s highscore.dat table.dat || fail "a solved game changed the highscore table"
for shot in solve_tip result_panel; do
  check_shot "$shot.png"
  check_shot "${shot}_winter_german.png"
done
echo "game end looks: ok"
