#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix gives a menu
# entry and software-centre data that the desktop's checkers accept, the
# icons, the manual page and the game data. Started from another folder with
# a fresh HOME, the installed program plays a scripted game (settings
# changed, a game finished, a screenshot taken, a theme of the player's own
# chosen) and writes only into the player's folder, never into the prefix.
# The Debian package built by CPack passes lintian and its unpacked files
# play the same way.
source "$(dirname "$0")/game_lib.sh"

BUILD_DIR="$(cd "$(dirname "$GRIDLET_BIN")/../.." && pwd)"
APP_ID=org.example.gridlet.Gridlet
VERSION="$(sed -n 's/.*kVersionLabel = "\(.*\)";/\1/p' "$(dirname "$0")/../../src/shell/game_info.h")"

tmp="$(mktemp -d /tmp/gridlet-install.XXXXXX)"
trap 'rm -rf "$tmp"' EXIT
# Readable by the unprivileged player the game may be run as below.
chmod 755 "$tmp"

# Every file below a folder with its checksum, type and permissions.
listing() {
  (cd "$1" && find . -printf '%y %m %p\n' | sort && find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}

# Runs the program with the prefix sealed: in a mount namespace of its own
# where the prefix is a read-only mount (refused even to root), else as the
# unprivileged user nobody, else as we are. Prints how it ran on stderr.
run_sealed() {
  local prefix="$1" home="$2"
  shift 2
  if unshare -m sh -c "mount --bind -o ro '$prefix' '$prefix'" 2> /dev/null; then
    echo "  (prefix mounted read-only)" >&2
    # shellcheck disable=SC2016
    unshare -m sh -c 'mount --bind -o ro "$0" "$0" && exec "$@"' "$prefix" env HOME="$home" "$@"
  elif [ "$(id -u)" = 0 ] && command -v setpriv > /dev/null; then
    echo "  (run as the unprivileged user nobody)" >&2
    chown -R nobody "$home"
    setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$home" "$@"
  else
    env HOME="$home" "$@"
  fi
}

# play PROGRAM HOME XDG_DATA_HOME FOLDER SCRIPT: a headless run started in
# FOLDER with the prefix sealed (XDG_DATA_HOME unset when empty).
play() {
  local program="$1" home="$2" xdg="$3" folder="$4" script="$5"
  local prefix
  prefix="$(cd "$(dirname "$program")/.." && pwd)"
  (
    cd "$folder"
    if [ -n "$xdg" ]; then export XDG_DATA_HOME="$xdg"; else unset XDG_DATA_HOME; fi
    run_sealed "$prefix" "$home" timeout 300 "$program" --headless "$script"
  )
}

# The scripted game: German and the player's own theme chosen and applied,
# then a level-1 game finished with hints, and a screenshot with F12.
LANGUAGE_LIST="390 448"
LANGUAGE_GERMAN="250 490"
THEME_LIST="390 508"
THEME_OWN="250 550"  # listed by folder: base, mine, winter
RESOLUTION_LIST="290 298"
RESOLUTION_1024="260 340"
APPLY="290 558"
write_script() {
  echo "wait $LOGO_UPDATES"
  echo "click $SETTINGS"
  echo "wait 5"
  echo "click $LANGUAGE_LIST"
  echo "wait 5"
  echo "click $LANGUAGE_GERMAN"
  echo "wait 5"
  echo "click $THEME_LIST"
  echo "wait 5"
  echo "click $THEME_OWN"
  echo "wait 5"
  echo "click $RESOLUTION_LIST"
  echo "wait 5"
  echo "click $RESOLUTION_1024"
  echo "wait 5"
  echo "click $APPLY"
  echo "wait 10"
  echo "click $START_GAME"
  echo "wait 5"
  echo "click $GAME_MENU_START"
  echo "wait 30"
  for _ in $(seq 70); do
    echo "click $HINT"
    echo "wait 2"
  done
  echo "wait 30"
  echo "key 123"
  echo "wait 5"
  echo "quit"
}

# Plays the scripted game with the program installed in prefix (its program
# at prefix/program), from an empty folder with a fresh HOME, and checks
# where everything went. XDG_DATA_HOME as given (empty: unset).
play_installed() {
  local prefix="$1" program="$2" xdg="$3" name="$4"
  local home="$tmp/home-$name" run="$tmp/run-$name" user
  mkdir -p "$home" "$run/cwd"
  chmod 755 "$home" "$run" "$run/cwd"
  if [ -n "$xdg" ]; then user="$xdg/gridlet"; else user="$home/.local/share/gridlet"; fi
  write_script > "$run/game.script"
  printf 'wait 5\nquit\n' > "$run/first.script"
  listing "$prefix" > "$run/prefix.before"
  find "$home" | sort > "$run/home.before"

  # The first start makes the player's folder with the default settings.
  play "$prefix/$program" "$home" "$xdg" "$run/cwd" "$run/first.script" > "$run/first.log" 2>&1 ||
    { tail -n 20 "$run/first.log"; fail "$name: the first start exited with an error"; }
  [ "$(stat -c %a "$user")" = 700 ] || fail "$name: the player's folder $user is missing or not private"
  cmp -s "$user/settings.xml" "$prefix/share/gridlet/settings.xml" ||
    fail "$name: the first start did not put the default settings into $user"

  # A theme of the player's own, beside the installed ones.
  mkdir -p "$user/themes"
  cp -r "$prefix/share/gridlet/themes/winter" "$user/themes/mine"
  sed -i 's|<TITLE>Winter</TITLE>|<TITLE>Frosty Own</TITLE>|' "$user/themes/mine/config.xml"
  # A broken copy of the base theme in the player's folder is never read:
  # the installed one is every theme's fallback.
  mkdir -p "$user/themes/base"
  echo "<theme><broken" > "$user/themes/base/config.xml"
  # Settings kept elsewhere through a link (as dotfile managers do) stay so.
  mkdir -p "$home/dotfiles"
  mv "$user/settings.xml" "$home/dotfiles/gridlet-settings.xml"
  ln -s "$home/dotfiles/gridlet-settings.xml" "$user/settings.xml"
  find "$home" | sort > "$run/home.before"
  play "$prefix/$program" "$home" "$xdg" "$run/cwd" "$run/game.script" > "$run/game.log" 2>&1 ||
    { tail -n 20 "$run/game.log"; fail "$name: the installed game exited with an error"; }

  listing "$prefix" > "$run/prefix.after"
  cmp -s "$run/prefix.before" "$run/prefix.after" ||
    fail "$name: the game changed the prefix: $(diff "$run/prefix.before" "$run/prefix.after" | head -n 5)"
  [ -z "$(ls -A "$run/cwd")" ] || fail "$name: the game wrote into the folder it was started in: $(ls -A "$run/cwd")"
  local outside
  outside="$(find "$home" | sort | comm -13 "$run/home.before" - | grep -v "^$user\(/\|$\)" |
    grep -v "^$(dirname "$user")$" | grep -v "^$home/.local$" || true)"
  [ -z "$outside" ] || fail "$name: files written outside the player's folder: $outside"

  grep -q "your files in $user" "$run/game.log" || fail "$name: the game did not use $user: $(head -n 3 "$run/game.log")"
  grep -q "^Frosty Own$" "$run/game.log" || fail "$name: the player's own theme was not listed"
  [ -L "$user/settings.xml" ] || fail "$name: the link to the settings was replaced by a file"
  grep -q "<language>german</language>" "$home/dotfiles/gridlet-settings.xml" ||
    fail "$name: the language change was not saved through the link"
  grep -q "<language>german</language>" "$user/settings.xml" || fail "$name: the language change was not saved"
  grep -q "<skin>themes/mine</skin>" "$user/settings.xml" || fail "$name: the player's theme was not chosen"
  grep -q "<screenwidth>1024</screenwidth>" "$user/settings.xml" || fail "$name: the resolution was not saved"
  local records
  records="$(highscore_records "$user/highscore.dat")"
  grep -qE '^[0-9]+ Player$' <<< "$records" || fail "$name: the finished game's score is not in highscore.dat"
  [ -f "$user/screenshots/screen000.png" ] || fail "$name: F12 saved no screenshot in the player's folder"
  echo "  $name: ok"
}

echo "-- cmake --install"
prefix="$tmp/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" > /dev/null
for f in bin/gridlet share/gridlet/settings.xml share/gridlet/gfx/Vera.ttf share/gridlet/gfx/Vera.txt \
  share/gridlet/gfx/DejaVu.txt share/gridlet/themes/base/config.xml share/gridlet/lang/german.lang \
  share/man/man6/gridlet.6.gz share/doc/gridlet/copyright; do
  [ -f "$prefix/$f" ] || fail "the installation has no $f"
done
desktop-file-validate "$prefix/share/applications/$APP_ID.desktop" || fail "desktop-file-validate failed"
appstreamcli validate --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml" > "$tmp/appstream.log" 2>&1 ||
  { cat "$tmp/appstream.log"; fail "appstreamcli validate failed"; }
grep -q "<release version=\"$VERSION\"" "$prefix/share/metainfo/$APP_ID.metainfo.xml" ||
  fail "the software-centre data does not name version $VERSION"
# Folder and pixel size: the plain sizes, then the HiDPI folders at twice theirs.
for entry in 48x48:48 64x64:64 128x128:128 256x256:256 512x512:512 48x48@2:96 64x64@2:128 128x128@2:256 256x256@2:512; do
  folder="${entry%%:*}" size="${entry##*:}"
  icon="$prefix/share/icons/hicolor/$folder/apps/$APP_ID.png"
  [ -f "$icon" ] || fail "no $folder icon"
  read -r w h colours < <("$PNGINFO" "$icon")
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the $folder icon is ${w}x$h, not ${size}px"
  [ "$colours" -gt 50 ] || fail "the $folder icon looks blank"
done
# The manual page renders without a warning and documents the commands.
page="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/gridlet.6.gz" 2> "$tmp/man.err")"
[ ! -s "$tmp/man.err" ] || fail "the manual page has warnings: $(cat "$tmp/man.err")"
for word in "generate --level" "code --level" "XDG_DATA_HOME" "EXIT STATUS" "highscore.dat" \
  "savegame.xml" "savegame.xml.bad" "preferences.xml" "settings.xml" "screenshots/" "own theme"; do
  grep -q -- "$word" <<< "$page" || fail "the manual page does not mention $word"
done
# Every file the game writes is named by --help too.
help="$("$prefix/bin/gridlet" --help)"
for word in settings.xml preferences.xml highscore.dat savegame.xml savegame.xml.bad screenshots/; do
  grep -q -- "$word" <<< "$help" || fail "gridlet --help does not name $word"
done
[ "$("$prefix/bin/gridlet" --version)" = "gridlet $VERSION" ] || fail "--version printed $("$prefix/bin/gridlet" --version)"
play_installed "$prefix" bin/gridlet "" installed

# Moved elsewhere as a whole, the installation still finds its data.
mv "$prefix" "$tmp/moved"
play_installed "$tmp/moved" bin/gridlet "$tmp/home-moved/xdg" moved

echo "-- Debian package"
cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$tmp/package" > "$tmp/cpack.log" 2>&1 ||
  { tail -n 20 "$tmp/cpack.log"; fail "cpack failed"; }
deb="$tmp/package/gridlet_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$tmp/package")"
depends="$(dpkg-deb -f "$deb" Depends)"
grep -q "libsdl2" <<< "$depends" || fail "the package's dependencies miss SDL: $depends"
lintian --no-tag-display-limit "$deb" > "$tmp/lintian.log" 2>&1 || true
! grep -q "^E:" "$tmp/lintian.log" || { cat "$tmp/lintian.log"; fail "lintian found errors"; }
root="$tmp/root"
dpkg-deb -x "$deb" "$root"
[ -x "$root/usr/games/gridlet" ] || fail "the package has no usr/games/gridlet"
play_installed "$root/usr" games/gridlet "$tmp/home-package/xdg" package
echo "install: ok"
