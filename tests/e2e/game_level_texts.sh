#!/usr/bin/env bash
# What the level texts and the play screen tell about a puzzle's level: the
# game menu points to the grade list for harder puzzles and promises no
# technique the levels lack; the play screen's level bar shows the level the
# generator accepted the puzzle at (code 247058E3 asks for level 6 and plays
# level 5), and in a graded game its grade instead of a level.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# Texts drawn left of the board, at the level bar's height (y 330 to 370).
level_bar_texts() {
  awk '$1 < 200 && $2 >= 330 && $2 <= 370 { $1 = $2 = $3 = $4 = ""; sub(/^ +/, ""); print }' "$1"
}

for language in english german; do
  sed -i -e "s|<language>[a-z]*</language>|<language>$language</language>|" settings.xml
  rm -f savegame.xml
  {
    echo "wait $LOGO_UPDATES"
    echo "click $START_GAME"
    echo "wait 5"
    press_times "$KEY_RIGHT" 7  # level 8
    echo "wait 2"
    echo "texts menu_$language.txt"
    echo "key $KEY_ESCAPE"
  } > menu.script
  timeout 120 "$GRIDLET_BIN" --headless menu.script > /dev/null || true
  [ -s "menu_$language.txt" ] || fail "no texts of the game menu in $language"
  grep -q "Difficulty:8\|Schwierigkeit:8" "menu_$language.txt" || fail "level 8 was not chosen: $(cat "menu_$language.txt")"
  grep -qi "chain\|kette" "menu_$language.txt" && fail "level 8 still promises chains in $language"
  [ "$(grep -ci "grade\|grad" "menu_$language.txt")" -ge 2 ] ||
    fail "the game menu points to no grade for harder puzzles in $language: $(cat "menu_$language.txt")"

  rm -f savegame.xml
  { echo "wait $LOGO_UPDATES"; start_from_code "$LEVEL6_CODE"; echo "move $POINTER_AWAY"; echo "wait 5"
    echo "texts code_$language.txt"; echo "quit"; } > code.script
  run_headless code.script code.log
  bar="$(level_bar_texts "code_$language.txt")"
  [ "$bar" = "Level 5" ] || [ "$bar" = "Stufe 5" ] || fail "the level bar of code $LEVEL6_CODE says \"$bar\" in $language"
done

# A graded game shows its grade where the level bar sits.
sed -i -e "s|<language>[a-z]*</language>|<language>english</language>|" settings.xml
rm -f savegame.xml
{ echo "wait $LOGO_UPDATES"; start_from_code "H-1092"; echo "move $POINTER_AWAY"; echo "wait 5"
  echo "texts graded.txt"; echo "quit"; } > graded.script
run_headless graded.script graded.log
bar="$(level_bar_texts graded.txt | tr '\n' ' ')"
[ "$bar" = "Grade Hard " ] || fail "the level bar of a Hard game says \"$bar\""
echo "game level texts: ok"
