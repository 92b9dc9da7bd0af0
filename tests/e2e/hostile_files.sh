#!/usr/bin/env bash
# Data files that are no regular files, or a theme asking for absurd effect
# times, never stall or exhaust the game: a FIFO among the languages and as a
# theme's configuration or picture, /dev/zero as a picture, and an effect
# TIME near the int limit. Each run ends within seconds, in bounded memory,
# with a log line for every file it skipped and the usual fallbacks.
source "$(dirname "$0")/game_lib.sh"

work="$(e2e_workdir)"
trap 'rm -rf "$work"' EXIT
cd "$work"

MEMORY_LIMIT=$((256 * 1024 * 1024))  # address space; a normal run needs about 50 MB

# Runs a script with a wall-clock and a memory limit; the game must end by itself.
run_bounded() {
  local script="$1" log="$2" seconds="$3" code=0 started
  started=$(date +%s)
  timeout "$seconds" prlimit --as="$MEMORY_LIMIT" -- "$GRIDLET_BIN" --headless "$script" > "$log" 2>&1 || code=$?
  [ "$code" = 124 ] && fail "$script did not end within $seconds s: $(tail -n 3 "$log")"
  [ "$code" = 0 ] || fail "$script exited with $code: $(tail -n 3 "$log")"
  echo "$script: $(($(date +%s) - started)) s"
}

cat > play.script <<SCRIPT
wait $LOGO_UPDATES
click $START_GAME
wait 5
click $GAME_MENU_START
wait 600
shot played.png
quit
SCRIPT

# 1. A FIFO named like a language, and a theme folder whose configuration is one.
mkfifo lang/zz.lang
mkdir themes/piped
mkfifo themes/piped/config.xml
run_bounded play.script fifo.log 60
grep -qF "skipped lang/zz.lang: not a regular file" fifo.log || fail "no log line for the FIFO in lang/"
grep -qF "skipped themes/piped/config.xml: not a regular file" fifo.log || fail "no log line for the FIFO theme"
grep -q "^LevelCode:" fifo.log || fail "the game did not get to a puzzle"
read -r w h _ < <("$PNGINFO" played.png)
[ "$w $h" = "800 600" ] || fail "no screenshot of the play screen"

# 2. The start-up theme with a FIFO as its background, /dev/zero (through a
#    link) as its start screen and a spawn time near the int limit with the
#    largest groups: pictures fall back to the base theme's, the snow stays
#    bounded and the game keeps its pace.
rm lang/zz.lang
rm -r themes/piped
rm -f savegame.xml  # the first run's game; no question about losing it
sed -i 's#<skin>themes/base</skin>#<skin>themes/winter</skin>#' settings.xml
rm themes/winter/bg.png themes/winter/startscreen.png
mkfifo themes/winter/bg.png
ln -s /dev/zero themes/winter/startscreen.png
sed -i 's/TIME="1600"/TIME="2147483000"/; s/AMOUNT="14"/AMOUNT="2147483000"/' themes/winter/config.xml
run_bounded play.script hostile.log 60
grep -qF "skipped themes/winter/bg.png: not a regular file" hostile.log || fail "no log line for the FIFO picture"
grep -qF "skipped themes/winter/startscreen.png: not a regular file" hostile.log || fail "no log line for /dev/zero"
grep -q "^LevelCode:" hostile.log || fail "the game did not get to a puzzle"
echo "hostile files: ok"
