# Shared helpers of the end-to-end scripts. Expects GRIDLET_BIN and
# GRIDLET_GAME_DIR (set by scripts/test); works in a fresh temporary folder.
set -euo pipefail
: "${GRIDLET_BIN:?}" "${GRIDLET_GAME_DIR:?}"
PNGINFO="$(dirname "$GRIDLET_BIN")/../../tools/pnginfo/pnginfo"

e2e_workdir() {
  local dir
  dir="$(mktemp -d /tmp/gridlet-e2e.XXXXXX)"
  cp -r "$GRIDLET_GAME_DIR"/. "$dir"/
  rm -rf "$dir/screenshots" && mkdir "$dir/screenshots"
  rm -f "$dir/highscore.dat" "$dir/savegame.xml"
  echo "$dir"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts an Xvfb screen of the given size (default 1024x768x24) for the
# work folder in `work`. Sets DISPLAY and xvfb; removes both on exit.
start_xvfb() {
  local screen="${1:-1024x768x24}"
  # A random display number; another one when that one is taken.
  local attempt
  for attempt in 1 2 3 4 5; do
    export DISPLAY=":$((100 + RANDOM % 800))"
    Xvfb "$DISPLAY" -screen 0 "$screen" -nolisten tcp > /dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do
      kill -0 "$xvfb" 2> /dev/null || break
      xdpyinfo > /dev/null 2>&1 && break
      sleep 0.1
    done
    kill -0 "$xvfb" 2> /dev/null && xdpyinfo > /dev/null 2>&1 && break
  done
  trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
  kill -0 "$xvfb" 2> /dev/null || fail "Xvfb did not start"
}

# Ends the Xvfb screen and removes the work folder before the script ends.
stop_xvfb() {
  kill "$xvfb" 2> /dev/null || true
  wait "$xvfb" 2> /dev/null || true
  rm -rf "$work"
}

# Starts the game in `work` (or the folder given) on the running Xvfb screen and gives its window
# the focus. Sets game (pid) and window.
start_game_in_window() {
  cd "${1:-$work}"
  LIBGL_ALWAYS_SOFTWARE=1 "$GRIDLET_BIN" > game.log 2>&1 &
  game=$!
  window="$(timeout 20 xdotool search --sync --name '^Gridlet' | head -n 1)" || fail "no game window appeared"
  # No window manager runs: give the window the focus ourselves, then send
  # real (XTEST) input, which SDL takes like a user's.
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}

# Starts the game in a fresh work folder inside its own Xvfb screen and
# gives its window the focus. Sets work, game (pid) and window; cleans up
# on exit. An argument names the keyboard layout (setxkbmap) to type with.
start_game_in_xvfb() {
  local layout="${1:-}"
  work="$(e2e_workdir)"
  start_xvfb
  if [ -n "$layout" ]; then
    setxkbmap "$layout" || fail "setxkbmap $layout failed"
    layout_active=0
    # Some X servers take the request without changing their keymap.
    xkbcomp -xkb "$DISPLAY" "$work/.keymap" 2> /dev/null
    grep -q "^xkb_symbols.*+$layout[+(\"]" "$work/.keymap" && layout_active=1
  fi
  start_game_in_window
}

# Waits for the game started by start_game_in_xvfb to end and fails unless
# it exited with code 0.
expect_clean_exit() {
  local code
  set +e
  timeout 10 tail --pid="$game" -f /dev/null
  wait "$game"
  code=$?
  set -e
  [ "$code" = 0 ] || { cat game.log; fail "Escape ended the game with exit code $code"; }
}

# Message boxes as the desktop shows them: SDL hands a box to the dialog
# program `zenity` when it finds one on PATH. This stand-in notes each box in
# the given folder's boxes.log and shows it as an X window titled
# "Gridlet message" until it is closed. Prepends its folder to PATH.
show_message_boxes_in() {
  local dir="$1"
  mkdir -p "$dir/bin"
  cat > "$dir/bin/zenity" <<BOX
#!/bin/sh
printf '%s\n' "\$*" >> "$dir/boxes.log"
exec xmessage -title "Gridlet message" "\$*"
BOX
  chmod +x "$dir/bin/zenity"
  export PATH="$dir/bin:$PATH"
}

# The window ids of open message boxes: the stand-in's, or SDL's own X11 box
# (titled "Gridlet" alone; the game's window title goes on).
message_box_windows() { xdotool search --name '^Gridlet( message)?$' 2> /dev/null || true; }
