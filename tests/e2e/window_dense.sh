#!/usr/bin/env bash
# A 1600 x 1200 full screen under Xvfb with the real OpenGL renderer: the
# start menu's screenshot, averaged down to 800 x 600, matches the 1x
# headless shot closely (the layout is the same), while the text regions
# hold at least 1.5 times the fine detail (mean absolute Laplacian) of the
# 1x shot stretched to 1600 x 1200: the pictures and letters are drawn at
# the screen's resolution, not enlarged.
source "$(dirname "$0")/game_lib.sh"
SHARPNESS="$(dirname "$GRIDLET_BIN")/../../tools/sharpness/sharpness"

work="$(e2e_workdir)"
cd "$work"
printf 'wait %s\nmove 700 580\nwait 2\nshot one.png\nquit\n' "$LOGO_UPDATES" > one.script
run_headless one.script one.log

start_xvfb 1600x1200x24

sed -e 's|<screenwidth>.*</screenwidth>|<screenwidth>1600</screenwidth>|' \
  -e 's|<screenheight>.*</screenheight>|<screenheight>1200</screenheight>|' \
  -e 's|<fullscreen>.*</fullscreen>|<fullscreen>1</fullscreen>|' \
  -e 's|<colordepth>.*</colordepth>|<colordepth>32</colordepth>|' -i settings.xml
start_game_in_window
# Past the logo (about 6 s of updates; more on a loaded machine).
sleep 12
xdotool mousemove 1400 1160
sleep 0.5
xdotool keydown F12; sleep 0.2; xdotool keyup F12
# Written while we wait: read once it is whole.
for _ in $(seq 100); do "$PNGINFO" screenshots/screen000.png > /dev/null 2>&1 && break; sleep 0.1; done
"$PNGINFO" screenshots/screen000.png > /dev/null 2>&1 || { cat game.log; fail "F12 wrote no screenshot"; }
read -r w h _ < <("$PNGINFO" screenshots/screen000.png)
[ "$w $h" = "1600 1200" ] || fail "the screenshot is $w x $h, not 1600 x 1200"
# The menu's title and buttons.
read -r layout dense stretched < <("$SHARPNESS" screenshots/screen000.png one.png 300 250 200 250 250 25 300 100)
echo "full screen 1600 x 1200: layout difference $layout, detail $dense against $stretched stretched"
awk -v l="$layout" 'BEGIN { exit !(l < 10) }' || fail "the screen differs from the 1x shot by $layout on average"
awk -v d="$dense" -v s="$stretched" 'BEGIN { exit !(d >= 1.5 * s) }' ||
  fail "detail $dense is not 1.5 times the stretched 1x shot's $stretched"
xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
expect_clean_exit
echo "window test (dense full screen): ok"
