#!/usr/bin/env bash
# How notes look with every stone set, in both themes and both languages:
# all candidates filled in (F), the selection moved with the arrows, and the
# pointer on a stone, so that its digit lights up on the board and in the
# notes.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# The same puzzle with stone sets 1 to 4.
codes=(247058E3 2508EF63 25A185E3 263A1C63)
runs=("base english 1 2 3 4" "winter german 1 2 3 4" "base german 1" "winter english 1")
cp settings.xml settings.original
for run in "${runs[@]}"; do
  read -r theme language sets <<< "$run"
  sed -e "s|<skin>.*</skin>|<skin>themes/$theme</skin>|" -e "s|<language>.*</language>|<language>$language</language>|" \
    settings.original > settings.xml
  for set in $sets; do
    name="notes_${theme}_${language}_set$set.png"
    {
      echo "wait $LOGO_UPDATES"
      start_from_code "${codes[set - 1]}"
      echo "key 70"  # F: every candidate
      echo "wait 1"
      printf 'key %s\nwait 1\n' "$KEY_DOWN" "$KEY_RIGHT" "$KEY_RIGHT"
      echo "move 440 160"  # on the 3 in column 2, row 1
      echo "wait 2"
      echo "shot $name"
      echo "quit"
    } > look.script
    # The run before saved its game at its end; no question about losing it.
    rm -f savegame.xml
    run_headless look.script look.log
    check_shot "$name"
  done
done
echo "game notes look: ok"
