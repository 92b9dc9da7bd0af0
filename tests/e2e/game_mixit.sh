#!/usr/bin/env bash
# Mix It every minute: one virtual minute after the play screen's first
# update the symbols are shuffled and the new mapping sweeps the board cell
# by cell with swirls and three floating texts; afterwards every stone shows
# the new mapping.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > mixit.script <<SCRIPT
wait $LOGO_UPDATES
click $START_GAME
wait 5
click $MIXIT_LIST
wait 5
click $MIXIT_EVERY_MINUTE
wait 5
shot mixit_chosen.png
click $GAME_MENU_START
wait 3590
shot mixit_before.png
wait 110
shot mixit_sweep.png
wait 200
shot mixit_after.png
quit
SCRIPT
run_headless mixit.script mixit.log
for shot in mixit_chosen mixit_before mixit_sweep mixit_after; do check_shot "$shot.png"; done
echo "game Mix It: ok"
