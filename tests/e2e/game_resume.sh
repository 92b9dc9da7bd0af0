#!/usr/bin/env bash
# Autosave and "Continue": half a level-code game typed in, a minute of
# thought, and Escape ends the program. The start menu then offers
# "Continue", which brings the board and the clock back; ten seconds later
# the program is closed again and the clock has gone on from the saved time.
# A third start finishes the game: the score counts the whole time played.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"
half=41

{
  echo "wait $LOGO_UPDATES"
  echo "shot resume_no_save.png"
  start_from_code "$LEVEL6_CODE"
  type_solution "$LEVEL6_SOLUTION" 0 0 "$half"
  echo "wait 3600"
  echo "key $KEY_ESCAPE"
  echo "wait 10"
} > first.script
run_headless first.script first.log
cmp -s resume_no_save.png "$REFERENCE_DIR/start_menu.png" || fail "without a save the start menu is not as it always was"
[ -f savegame.xml ] || fail "Escape saved no game"
first="$(save_attribute savegame.xml elapsed)"
[ "$(save_attribute savegame.xml code)" = "$LEVEL6_CODE" ] || fail "the save names another level code"
((first >= 60000)) || fail "the saved play time $first ms misses the minute waited"

{
  echo "wait $LOGO_UPDATES"
  echo "shot resume_start_menu.png"
  echo "click $CONTINUE"
  echo "wait 2"
  echo "move 600 300"
  echo "wait 1"
  echo "shot resume_continued.png"
  echo "wait 600"
  echo "quit"
} > second.script
run_headless second.script second.log
grep -q "^continued savegame.xml" second.log || fail "Continue did not bring the game back: $(tail -n 3 second.log)"
for shot in resume_start_menu resume_continued; do check_shot "$shot.png"; done
second="$(save_attribute savegame.xml elapsed)"
gone=$((second - first))
# Ten seconds of updates after the click, give or take the click itself.
((gone >= 9900 && gone <= 10600)) || fail "the clock went on by $gone ms instead of about 10 s"

{
  echo "wait $LOGO_UPDATES"
  echo "click $CONTINUE"
  echo "wait 2"
  # The selection is back where the first run left it, on the last cell typed.
  type_solution "$LEVEL6_SOLUTION" $((half - 1)) "$half" 81
  echo "wait 30"
  echo "quit"
} > third.script
hints="$(grep -o 'hints="[0-9]*"' savegame.xml | cut -d'"' -f2)"
level="$(save_attribute savegame.xml level)"
run_headless third.script third.log
records="$(highscore_records highscore.dat)"
player="$(grep -E '^[0-9]+ Player$' <<< "$records")" || fail "the finished game entered no score"
score="${player%% *}"
[ ! -e savegame.xml ] || fail "the finished game is still saved"
# The score divides by the seconds played: at least the saved time, so at
# most what that time allows (Mix It off, stone set factor 1).
awk -v s="$score" -v h="$hints" -v l="$level" -v t="$second" \
  'BEGIN { best = l * 50000 / (h / 10 + 1) / (t / 1000); exit !(s > 0 && s <= best) }' ||
  fail "score $score is more than $second ms of play allow: the clock started again"
echo "game resume: ok"
