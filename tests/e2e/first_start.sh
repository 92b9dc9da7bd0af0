#!/usr/bin/env bash
# The first start on a fresh clone: scripts/play's own build step, run from
# an empty build folder, leaves a complete game folder, and the game started
# there shows its start menu, headless and in a window, without a message box.
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/window_lib.sh"
root="$(cd "$(dirname "$0")/../.." && pwd)"

work="$(mktemp -d /tmp/gridlet-first-start.XXXXXX)"
trap 'rm -rf "$work"' EXIT
git clone -q "$root" "$work/clone"
# The clone's own set-up, with cache keys relative to the clone, so that
# ccache serves what this checkout compiled; the build folder starts empty.
(unset CCACHE_BASEDIR; source "$work/clone/scripts/setup.sh" && gridlet_build_game) > "$work/build.log" 2>&1 ||
  { tail -n 30 "$work/build.log"; fail "scripts/play's build step failed on a fresh clone"; }
game_dir="$work/clone/build/game"
GRIDLET_BIN="$work/clone/build/src/shell/gridlet"

complaints() { grep -e "ERROR" -e "Error" -e "Not found" -e "nicht gefunden" "$1" || true; }

# Headless: the start menu exactly as the reference picture shows it.
cd "$game_dir"
cat > start.script <<SCRIPT
wait $((LOGO_UPDATES))
shot $work/start_menu.png
click $QUIT_GAME
wait 100
SCRIPT
code=0
timeout 120 "$GRIDLET_BIN" --headless start.script > "$work/headless.log" 2>&1 || code=$?
[ "$code" = 0 ] || { tail -n 20 "$work/headless.log"; fail "the headless start exited with $code"; }
[ -z "$(complaints "$work/headless.log")" ] || fail "the headless start complained: $(complaints "$work/headless.log" | head -n 3)"
check_shot "$work/start_menu.png"

# In a window: no message box, and the start menu's "Start game" leads on to
# a generated board.
start_xvfb
show_message_boxes_in "$work"
start_game_in_window "$game_dir"
sleep 7  # the logo
for _ in $(seq 5); do
  [ -z "$(message_box_windows)" ] || break
  kill -0 "$game" 2> /dev/null || break
  tap_at $START_GAME
  tap_at $GAME_MENU_START
  for _ in $(seq 30); do grep -q "^LevelCode:" game.log && break; sleep 0.1; done
  grep -q "^LevelCode:" game.log && break
done
[ ! -s "$work/boxes.log" ] || fail "the game showed message boxes: $(head -n 3 "$work/boxes.log")"
[ -z "$(message_box_windows)" ] || fail "a message box is open"
[ -z "$(complaints game.log)" ] || fail "the game complained: $(complaints game.log | head -n 3)"
grep -q "^LevelCode:" game.log || { tail -n 20 game.log; fail "no board was generated from the start menu"; }
end_game_with_escape
echo "first start on a fresh clone: ok"
