#!/usr/bin/env bash
# The option menu: "_APPLY" without a chosen resolution changes and saves
# nothing; language and theme change at once through their lists; "_APPLY"
# after choosing a resolution rewrites "settings.xml" whole. Opened from the
# play screen the menu sits higher over the board, and the info box goes
# back to the game even after its "?" was pressed a second time.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

APPLY="290 558"
LANGUAGE_LIST="390 448"
LANGUAGE_GERMAN="250 490"  # second entry: the files are scanned in name order
THEME_LIST="390 508"
THEME_WINTER="250 550"
RESOLUTION_LIST="290 298"
RESOLUTION_1024="260 340"
INGAME_SETTINGS="100 217"
RAISED_CANCEL="490 458"
INFO_CLOSE="400 478"

cp settings.xml shipped_settings.xml
cat > apply_nothing.script <<SCRIPT
wait $LOGO_UPDATES
click $SETTINGS
wait 5
click $APPLY
wait 5
shot nothing_applied.png
quit
SCRIPT
run_headless apply_nothing.script apply_nothing.log
cmp -s settings.xml shipped_settings.xml || fail "_APPLY without a chosen resolution rewrote settings.xml"
check_shot nothing_applied.png

cat > options.script <<SCRIPT
wait $LOGO_UPDATES
click $SETTINGS
wait 5
shot options_start.png
click $LANGUAGE_LIST
wait 5
click $LANGUAGE_GERMAN
wait 5
shot options_german.png
click $THEME_LIST
wait 5
click $THEME_WINTER
wait 5
shot options_winter.png
click $RESOLUTION_LIST
wait 5
click $RESOLUTION_1024
wait 5
click $APPLY
wait 10
shot start_menu_applied.png
click $START_GAME
wait 5
click $GAME_MENU_START
wait 30
click $INGAME_SETTINGS
wait 5
shot options_over_board.png
click $RAISED_CANCEL
wait 5
click $HELP
wait 5
click $HELP
wait 5
shot info_box.png
click $INFO_CLOSE
wait 5
shot info_closed.png
quit
SCRIPT
run_headless options.script options.log
for shot in options_start options_german options_winter start_menu_applied options_over_board info_box info_closed; do
  check_shot "$shot.png"
done
printf '%s\r\n' '<?xml version = "1.0"?>' '<game>' ' <settings>' '  <screenwidth>1024</screenwidth>' \
  '  <screenheight>768</screenheight>' '  <fullscreen>0</fullscreen>' '  <directx>0</directx>' \
  '  <colordepth>0</colordepth>' '  <refreshrate>60</refreshrate>' '  <language>german</language>' \
  '  <username>Player</username>' '  <skin>themes/winter</skin>' ' </settings>' '</game>' > expected_settings.xml
cmp -s settings.xml expected_settings.xml || fail "settings.xml after _APPLY: $(cat -A settings.xml)"
echo "game options: ok"
