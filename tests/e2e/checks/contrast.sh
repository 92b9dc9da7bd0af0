#!/usr/bin/env bash
# Every text on every screen, in both themes and both languages, stands out
# from what is behind it by a contrast ratio of at least 4.5 (WCAG 2): each
# screen is shot twice by the same run, once as the player sees it and once
# drawn without text, and each text's box is measured in the pair.
source "$(dirname "$0")/../game_lib.sh"
SHOTCHECK="$(dirname "$GRIDLET_BIN")/../../tools/shotcheck/shotcheck"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"
without_theme_effects

HOW_TO_PLAY="400 398"
HOW_NEXT="595 558"
HOW_CLOSE="400 558"
PLAY_AIDS="495 402"
AIDS_CANCEL="490 558"
OPTION_CANCEL="490 558"
INFO_CLOSE="400 478"
MIXIT_LIST_AT="300 273"
SCREENS=()

# Script lines: a shot and the text runs of one screen, into folder $dir.
screen() {
  SCREENS+=("$1")
  echo "wait 3"
  echo "shot $dir/$1.png"
  echo "texts $dir/$1.txt"
}

screens_script() {
  echo "wait $LOGO_UPDATES"
  echo "move $POINTER_AWAY"
  screen start_menu
  echo "click $REPEAT_GAME"
  echo "wait 5"
  echo "click $LEVEL_CODE"
  type_slowly "12ab"
  screen replay
  echo "click $REPEAT_CANCEL"
  echo "wait 5"
  echo "click $HOW_TO_PLAY"
  echo "wait 5"
  screen howto_1
  for page in 2 3 4; do
    echo "click $HOW_NEXT"
    echo "move $POINTER_AWAY"
    screen "howto_$page"
  done
  echo "click $HOW_CLOSE"
  echo "wait 5"
  echo "click $SETTINGS"
  echo "move $POINTER_AWAY"
  screen options
  echo "click $PLAY_AIDS"
  echo "move $POINTER_AWAY"
  screen play_aids
  echo "click $AIDS_CANCEL"
  echo "wait 5"
  echo "click $OPTION_CANCEL"
  echo "wait 5"
  echo "click $START_GAME"
  echo "move $POINTER_AWAY"
  screen game_menu
  echo "click $MIXIT_LIST_AT"
  screen mixit_list
  echo "click $MIXIT_EVERY_MINUTE"
  echo "wait 5"
  echo "click $GAME_MENU_START"
  echo "wait 30"
  echo "key 70"
  echo "move $POINTER_AWAY"
  screen play
  echo "click $HELP"
  echo "move $POINTER_AWAY"
  screen info_box
  echo "click $INFO_CLOSE"
  echo "wait 5"
  echo "click $SOLVE"
  echo "move $POINTER_AWAY"
  echo "wait 60"
  screen result
  echo "quit"
}

cp settings.xml settings.original
low=0
RUNS=("base english" "base german" "winter english" "winter german")
# GRIDLET_CONTRAST_RUN="theme language" checks only that one.
[ -n "${GRIDLET_CONTRAST_RUN:-}" ] && RUNS=("$GRIDLET_CONTRAST_RUN")
for run in "${RUNS[@]}"; do
  read -r theme language <<< "$run"
  sed -e "s|<skin>.*</skin>|<skin>themes/$theme</skin>|" -e "s|<language>.*</language>|<language>$language</language>|" \
    settings.original > settings.xml
  mkdir -p shown behind
  SCREENS=()
  dir=shown
  screens_script > shown.script
  dir=behind
  SCREENS=()
  { echo hidetext; screens_script; } > behind.script
  for dir in shown behind; do
    rm -f savegame.xml highscore.dat
    run_headless "$dir.script" "$dir.log"
  done
  for name in "${SCREENS[@]}"; do
    if ! "$SHOTCHECK" contrast "shown/$name.png" "behind/$name.png" "shown/$name.txt" > check.txt; then
      echo "$theme $language $name:"
      grep -a "^LOW" check.txt
      low=1
    fi
  done
  rm -rf shown behind
done
((low == 0)) || fail "texts above stand out too little from what is behind them"
echo "game contrast: ok"
