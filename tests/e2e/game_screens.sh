#!/usr/bin/env bash
# The logo's four phases at fixed updates (fade in, light sweep, fade out,
# the start menu coming up out of black), then the start menu, whose quit
# button ends the program.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > logo.script <<SCRIPT
wait 50
shot logo_fade_in.png
wait 100
shot logo_sweep.png
wait 110
shot logo_fade_out.png
wait 60
shot logo_emerging.png
wait 30
shot start_menu.png
click $QUIT_GAME
wait 100
shot after_quit.png
SCRIPT
run_headless logo.script logo.log
for shot in logo_fade_in logo_sweep logo_fade_out logo_emerging start_menu; do check_shot "$shot.png"; done
# The quit button ended the program before the script ran out.
[ ! -f after_quit.png ] || fail "the quit button did not end the program"
echo "game screens: ok"
