# Helpers of the game's end-to-end scripts: running headless scripts,
# comparing their shots with the reference pictures, and the screen
# positions the scripts click at (game coordinates).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
REFERENCE_DIR="$(cd "$(dirname "$0")" && pwd)/reference"

# The logo runs its four phases in about 341 updates; this is safely past it.
LOGO_UPDATES=350

# Start menu; "Continue" shows only while a game is saved.
CONTINUE="400 278"
START_GAME="400 318"
REPEAT_GAME="400 358"
SETTINGS="400 438"
QUIT_GAME="400 478"
# Game menu.
PLAYER_NAME="400 95"
MIXIT_LIST="300 273"
MIXIT_EVERY_MINUTE="260 315"
STONES_OBJECTS="490 343"
GAME_MENU_START="400 538"
# The game menu over an unfinished game: "Start game" beside "Back".
GAME_MENU_BACK="495 538"
GAME_MENU_START_BESIDE_BACK="305 538"
# Play screen: the in-game buttons from the top, and the help button.
NEW_GAME="100 47"
HINT="100 81"
SOLVE="100 149"
HELP="770 575"
# The controls under the board.
NOTES_MODE="292 582"
UNDO="387 582"
REDO="477 582"
FILL_NOTES="577 582"
CLEAR_NOTES="687 582"
# The coach's button, under the side buttons.
EXPLAIN="106 306"
KEY_H=72
# Repeat-game box.
LEVEL_CODE="420 285"
REPEAT_START="290 358"
REPEAT_CANCEL="490 358"

# Runs a script in the current folder, its debug log into the given file.
run_headless() {
  local script="$1" log="$2" code=0
  timeout 300 "$GRIDLET_BIN" --headless "$script" > "$log" || code=$?
  [ "$code" = 0 ] || fail "headless run of $script exited with $code"
}

# Compares a shot with its reference picture. With GRIDLET_UPDATE_REFERENCE=1
# the shot becomes the reference instead (look at it before committing).
check_shot() {
  local shot="$1" name
  name="$(basename "$1")"
  [ -f "$shot" ] || fail "shot $name is missing"
  if [ "${GRIDLET_UPDATE_REFERENCE:-0}" = 1 ]; then
    cp "$shot" "$REFERENCE_DIR/$name"
    return
  fi
  [ -f "$REFERENCE_DIR/$name" ] || fail "no reference picture $name (make it with GRIDLET_UPDATE_REFERENCE=1)"
  cmp -s "$shot" "$REFERENCE_DIR/$name" || fail "$name differs from its reference picture"
}

# Script lines typing text one key at a time: the same key fires again only
# after 100 ms, so each key gets a pause.
type_slowly() {
  local text="$1" i
  for ((i = 0; i < ${#text}; i++)); do
    echo "type ${text:i:1}"
    echo "wait 4"
  done
}

# Script lines pressing a key n times, with the same pause.
press_times() {
  local key="$1" n="$2" i
  for ((i = 0; i < n; i++)); do
    echo "key $key"
    echo "wait 4"
  done
}

# The debug log's level code and the generated board (the nine lines after it).
generated_board() {
  grep -A9 "^LevelCode:" "$1" | head -n 10
}

# "score name" per record of a highscore file: a 32-bit little-endian score,
# a length byte and that many name bytes; "BROKEN" when the file does not
# end exactly after a record.
highscore_records() {
  local -a bytes
  read -r -a bytes < <(od -An -tu1 -v "$1" | tr '\n' ' ')
  local n=${#bytes[@]} i=0 score len name k
  while ((i + 5 <= n)); do
    score=$((bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16 | bytes[i + 3] << 24))
    ((score >= 2147483648)) && score=$((score - 4294967296))
    len=${bytes[i + 4]}
    ((i + 5 + len <= n)) || break
    name=""
    for ((k = 0; k < len; k++)); do name+=$(printf "\\$(printf %03o "${bytes[i + 5 + k]}")"); done
    echo "$score $name"
    i=$((i + 5 + len))
  done
  ((i == n)) || echo "BROKEN"
}

# Key codes of the play screen.
KEY_LEFT=37
KEY_UP=38
KEY_RIGHT=39
KEY_DOWN=40
KEY_SHIFT=16
KEY_CONTROL=17
KEY_ESCAPE=27

# A level-6 level code and its solution (row 0 first, each row from column
# 0 to 8), as "gridlet generate --code" prints it.
LEVEL6_CODE=247058E3
LEVEL6_SOLUTION=167954283243618975859723416716239854395846127482571639934187562621395748578462391

# Whether the headless scripts can hold a key (keydown / keyup).
headless_holds_keys() {
  "$GRIDLET_BIN" --help | grep -q "keydown"
}

# Script lines starting the game of a level code from the start menu.
start_from_code() {
  echo "click $REPEAT_GAME"
  echo "wait 5"
  echo "click $LEVEL_CODE"
  type_slowly "$(tr 'A-F' 'a-f' <<< "$1")"
  echo "click $REPEAT_START"
  echo "wait 10"
}

# Script lines walking the board in a snake (rows alternately left to right
# and right to left) from the selection at walking step `from`, typing the
# solution's digit into the cells of steps first to last - 1 (givens ignore
# it); the selection ends on step last - 1.
type_solution() {
  local solution="$1" from="$2" first="$3" last="$4" i row col step
  for ((i = from; i < last; i++)); do
    row=$((i / 9))
    step=$((i % 9))
    col=$(((row % 2 == 0) ? step : 8 - step))
    if ((i >= first)); then
      echo "key $((48 + ${solution:row * 9 + col:1}))"
      echo "wait 1"
    fi
    ((i + 1 >= last)) && break
    if ((step == 8)); then echo "key $KEY_DOWN"; elif ((row % 2 == 0)); then echo "key $KEY_RIGHT"; else echo "key $KEY_LEFT"; fi
    echo "wait 1"
  done
}

# The value of a root attribute of savegame.xml.
save_attribute() {
  grep -o -m 1 "<savegame [^>]*" "$1" | grep -o "$2=\"[^\"]*\"" | cut -d'"' -f2
}
# Board cells, column and row 0 to 8: the centre (for clicks) and the
# 52 x 52 region (for region digests).
cell_centre() {
  echo "$((250 + 52 * $1 + 4 * ($1 / 3) + 26)) $((75 + 52 * $2 + 4 * ($2 / 3) + 26))"
}
cell_region() {
  echo "$((250 + 52 * $1 + 4 * ($1 / 3))) $((75 + 52 * $2 + 4 * ($2 / 3))) 52 52"
}
# The centre of digit d in the number picker opened on cell (column, row).
picker_digit() {
  local c="$1" r="$2" d="$3" x y
  x=$((250 + 52 * c + 4 * (c / 3) - 75))
  y=$((75 + 52 * r + 4 * (r / 3)))
  if ((y + 30 > 420)); then y=$((y - 220)); else y=$((y + 30)); fi
  echo "$((x + 20 + ((d - 1) % 3) * 55 + 25)) $((y + 20 + ((d - 1) / 3) * 55 + 25))"
}
# An empty cell of the first board a run shows, found by a run that solves
# it: prints "column row" of the first cell in columns 7 and 8 (clear of the
# result panel), rows 0 to 5 (the picker opens below them), that "Solve"
# filled. The lines that start the game are read from standard input.
find_empty_cell() {
  { cat; echo "move $POINTER_AWAY"; echo "wait 2"; echo "shot fresh.png"; echo "click $SOLVE"; echo "move $POINTER_AWAY"
    echo "wait 5"; echo "shot solved.png"; echo "quit"; } > find_empty.script
  run_headless find_empty.script find_empty.log
  local c r
  for r in 0 1 2 3 4 5; do
    for c in 7 8; do
      if [ "$(region_digest fresh.png $(cell_region $c $r))" != "$(region_digest solved.png $(cell_region $c $r))" ]; then
        echo "$c $r"
        return
      fi
    done
  done
  fail "no empty cell in columns 7 and 8 of the first board"
}
# A digest of a region (x y w h) of a screenshot.
region_digest() {
  local file="$1"
  shift
  "$PNGINFO" "$file" "$@" | cut -d' ' -f4
}
# The theme effects move on every update; scripts comparing two shots of a
# still screen take them out of the work folder's themes.
without_theme_effects() {
  sed -i '/<EFFECT1/d' themes/*/config.xml
}
# Moves the pointer off the board and its panels before a shot.
POINTER_AWAY="700 585"
