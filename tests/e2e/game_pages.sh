#!/usr/bin/env bash
# The pages added to the menus, in the base theme in English and in the
# winter theme in German: the four pages of "How to play" (leafed with the
# buttons and the arrow keys), the play aids in the settings, whose "Apply"
# writes "preferences.xml" and leaves "settings.xml" alone, and the game
# menu opened over an unfinished game, with its "Back" beside "Start game".
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

HOW_TO_PLAY="400 398"
HOW_PREVIOUS="205 558"
HOW_CLOSE="400 558"
HOW_NEXT="595 558"
PLAY_AIDS="495 402"
SHOW_CONFLICTS="295 268"
AIDS_APPLY="290 558"
OPTION_CANCEL="490 558"
PICTURES=(howto_rules howto_mouse howto_keys howto_aids play_aids game_menu_back)

# Writes the script for one theme and language; shot names end in $1.
pages_script() {
  local suffix="$1"
  cat <<SCRIPT
wait $LOGO_UPDATES
click $HOW_TO_PLAY
wait 5
shot howto_rules$suffix.png
click $HOW_NEXT
wait 5
shot howto_mouse$suffix.png
key 39
wait 5
shot howto_keys$suffix.png
click $HOW_NEXT
wait 5
shot howto_aids$suffix.png
click $HOW_PREVIOUS
wait 5
key 37
wait 10
key 37
move $HOW_TO_PLAY
wait 5
shot howto_back_to_rules$suffix.png
click $HOW_CLOSE
wait 5
click $SETTINGS
wait 5
click $PLAY_AIDS
wait 5
click $SHOW_CONFLICTS
move 690 140
wait 5
shot play_aids$suffix.png
click $AIDS_APPLY
wait 5
click $OPTION_CANCEL
wait 5
click $START_GAME
wait 5
click $GAME_MENU_START
wait 30
click $NEW_GAME
move 690 140
wait 5
shot game_menu_back$suffix.png
quit
SCRIPT
}

cp settings.xml shipped_settings.xml
pages_script "" > pages.script
run_headless pages.script pages.log
for shot in "${PICTURES[@]}"; do check_shot "$shot.png"; done
cmp -s howto_rules.png howto_back_to_rules.png || fail "leafing back did not end on the rules page"
cmp -s settings.xml shipped_settings.xml || fail "the play aids rewrote settings.xml"
grep -q "<showconflicts>1</showconflicts>" preferences.xml || fail "preferences.xml does not hold the applied toggle"
[ "$(grep -c . settings.xml)" = 14 ] || fail "settings.xml lost its fourteen lines"

# The same pages in German and in the winter theme, with the preferences
# written above read back: the conflicts toggle starts pressed.
sed -e 's|<language>english</language>|<language>german</language>|' \
  -e 's|<skin>themes/base</skin>|<skin>themes/winter</skin>|' shipped_settings.xml > settings.xml
# The first run's game was saved at its end; no question about losing it here.
rm -f savegame.xml
pages_script "_winter_german" > pages_german.script
run_headless pages_german.script pages_german.log
for shot in howto_rules howto_keys play_aids game_menu_back; do check_shot "${shot}_winter_german.png"; done
grep -q "<showconflicts>0</showconflicts>" preferences.xml || fail "toggling again did not switch the conflicts off"
echo "game pages: ok"
