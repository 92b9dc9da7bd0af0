#!/usr/bin/env bash
# The manual page names everything "gridlet --help" offers: every puzzle
# command, every option and every headless script command.
source "$(dirname "$0")/lib.sh"
MANUAL="$(cd "$(dirname "$0")/../.." && pwd)/packaging/gridlet.6.in"

help="$("$GRIDLET_BIN" --help)"
# The manual page's text with its escapes taken out ("\-\-scale" is "--scale").
manual="$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$MANUAL")"

# Options and commands: every "--word" and every "gridlet word" of the help.
words="$(grep -o -- '--[a-z][a-z-]*' <<< "$help" | sort -u)
$(grep -o 'gridlet [a-z]\+' <<< "$help" | cut -d' ' -f2 | sort -u)"
# Script commands: the first word of each line of the help's script list.
verbs="$(sed -n '/^Headless scripts/,/^$/p' <<< "$help" | grep -o '^  [a-z]\+' | tr -d ' ')"
for word in $words $verbs; do
  grep -q -- "$word" <<< "$manual" || fail "the manual page does not name $word"
done
# Every exit status the help speaks of has its own entry.
for status in 0 1 2; do
  grep -q "^\.B $status\$" "$MANUAL" || fail "the manual page has no exit status $status"
done
echo "manual page: ok"
