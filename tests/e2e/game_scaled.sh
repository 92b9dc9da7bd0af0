#!/usr/bin/env bash
# The game drawn with 2 pixels per game unit (headless --scale 2, 1600 x
# 1200) in both themes: the start menu, the play screen with notes and the
# options. Each shot matches its reference picture, and averaged down to
# 800 x 600 it matches the 1x run of the same script closely (the layout is
# the same), while its text regions hold more fine detail than the 1x shot
# stretched to 1600 x 1200.
source "$(dirname "$0")/game_lib.sh"
SHARPNESS="$(dirname "$GRIDLET_BIN")/../../tools/sharpness/sharpness"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

cp settings.xml settings.original
for theme in base winter; do
  sed -e "s|<skin>.*</skin>|<skin>themes/$theme</skin>|" settings.original > settings.xml
  for scale in 1 2; do
    {
      echo "wait $LOGO_UPDATES"
      echo "move 700 580"
      echo "wait 2"
      echo "shot menu_${theme}_$scale.png"
      echo "click $SETTINGS"
      echo "wait 5"
      echo "shot options_${theme}_$scale.png"
      echo "key $KEY_ESCAPE"
      echo "wait 5"
    } > scaled.script
    # Escape left the game: a second run plays.
    {
      echo "wait $LOGO_UPDATES"
      start_from_code 247058E3
      echo "key 70"
      echo "wait 1"
      printf 'key %s\nwait 1\n' "$KEY_DOWN" "$KEY_RIGHT"
      echo "move 440 160"
      echo "wait 2"
      echo "shot notes_${theme}_$scale.png"
      echo "quit"
    } > notes.script
    for script in scaled notes; do
      rm -f savegame.xml highscore.dat
      code=0
      timeout 300 "$GRIDLET_BIN" --headless $script.script --scale $scale > $script.log || code=$?
      [ "$code" = 0 ] || fail "headless run of $script.script at --scale $scale exited with $code"
    done
  done
  for screen in menu options notes; do
    read -r w h _ < <("$PNGINFO" "${screen}_${theme}_2.png")
    [ "$w $h" = "1600 1200" ] || fail "${screen}_${theme}_2.png is $w x $h, not 1600 x 1200"
    # Title and button texts of the menus, the board and side panel of the play screen.
    case $screen in
      menu) regions="300 250 200 250" ;;
      options) regions="180 180 420 300" ;;
      notes) regions="250 75 470 470 20 20 180 180" ;;
    esac
    read -r layout dense stretched < <("$SHARPNESS" "${screen}_${theme}_2.png" "${screen}_${theme}_1.png" $regions)
    awk -v l="$layout" 'BEGIN { exit !(l < 8) }' ||
      fail "${screen}_${theme} at 2x differs from 1x by $layout on average (layout changed?)"
    awk -v d="$dense" -v s="$stretched" 'BEGIN { exit !(d >= 1.5 * s) }' ||
      fail "${screen}_${theme} at 2x has detail $dense, not 1.5 times the stretched 1x shot's $stretched"
    echo "${screen}_${theme}: layout difference $layout, detail $dense against $stretched stretched"
    cp "${screen}_${theme}_2.png" "scaled2x_${screen}_${theme}.png"
    check_shot "scaled2x_${screen}_${theme}.png"
  done
done
echo "game scaled: ok"
