#!/usr/bin/env bash
# What the player set survives a restart: a language and a theme picked in
# the option menu and applied without a new resolution are written to
# "settings.xml" (the same fourteen lines); a game started under a new name
# writes the name, without the blanks an emptied name field shows; with
# nothing new the file is left alone; a language without a file keeps its
# name in the file.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

APPLY="290 558"
LANGUAGE_LIST="390 448"
LANGUAGE_GERMAN="250 490"
THEME_LIST="390 508"
THEME_WINTER="250 550"

# The fourteen lines the game writes, for language, name and theme.
expected_settings() {
  printf '%s\r\n' '<?xml version = "1.0"?>' '<game>' ' <settings>' '  <screenwidth>800</screenwidth>' \
    '  <screenheight>600</screenheight>' '  <fullscreen>0</fullscreen>' '  <directx>0</directx>' \
    '  <colordepth>0</colordepth>' '  <refreshrate>60</refreshrate>' "  <language>$1</language>" \
    "  <username>$2</username>" "  <skin>$3</skin>" ' </settings>' '</game>'
}

# 1. Language and theme, then "_APPLY" with the resolution as shown.
cat > apply.script <<SCRIPT
wait $LOGO_UPDATES
click $SETTINGS
wait 5
click $LANGUAGE_LIST
wait 5
click $LANGUAGE_GERMAN
wait 5
click $THEME_LIST
wait 5
click $THEME_WINTER
wait 5
click $APPLY
wait 10
quit
SCRIPT
run_headless apply.script apply.log
expected_settings german Player themes/winter > expected.xml
cmp -s settings.xml expected.xml || fail "settings.xml after choosing German and Winter: $(cat -A settings.xml)"

# 2. The next start comes up in German with the winter theme; "_APPLY" with
#    nothing new leaves the file as it is, byte for byte and untouched.
touch -d '2001-01-01' settings.xml
cat > again.script <<SCRIPT
wait $LOGO_UPDATES
click $SETTINGS
wait 5
shot again_options.png
click $APPLY
wait 10
quit
SCRIPT
run_headless again.script again.log
grep -q "^Winter$" again.log || fail "the winter theme was not listed"
[ "$(stat -c %Y settings.xml)" = "$(date -d 2001-01-01 +%s)" ] || fail "_APPLY with nothing new rewrote settings.xml"
check_shot again_options.png

# Script of a game started after the name field was emptied (its two blanks
# showing) and the given name typed.
name_script() {
  echo "wait $LOGO_UPDATES"
  echo "click $START_GAME"
  echo "wait 5"
  echo "click $PLAYER_NAME"
  press_times 8 8
  type_slowly "$1"
  echo "click $GAME_MENU_START"
  echo "wait 30"
  echo "quit"
}

# 3. The game started under the name "ada" writes it, with no blanks in front.
name_script ada > name.script
run_headless name.script name.log
expected_settings german ada themes/winter > expected.xml
cmp -s settings.xml expected.xml || fail "settings.xml after a game under the name ada: $(cat -A settings.xml)"

# 4. A language without a file stays the language's name in the file, while
#    the texts come from a language that has one.
sed -i 's#<language>german</language>#<language>klingon</language>#' settings.xml
# The game of step 3 was saved at its end; no question about losing it here.
rm -f savegame.xml
name_script worf > klingon.script
run_headless klingon.script klingon.log
expected_settings klingon worf themes/winter > expected.xml
cmp -s settings.xml expected.xml || fail "settings.xml lost the language klingon: $(cat -A settings.xml)"
echo "game settings saved: ok"
