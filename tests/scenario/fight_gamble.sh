#!/usr/bin/env bash
# A new fighter from the wizard, a wagered match, a released fight played to
# its end; then the odds of the next pairing, counted aside.
set -euo pipefail
sim=$1
game=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for f in aorb1.orb atri1.tri names.txt races.txt risks.txt; do
  [ -f "$game/$f" ] && cp "$game/$f" "$work/"
done
[ -f "$work/aorb1.orb" ] || { echo "no sphere in $game: skipped"; exit 0; }

name=$(head -n 1 "$work/names.txt")
out=$("$sim" --dir "$work" --seed 7 <<CMDS
tick 2
click $name
click human
click 12
click release fighters
fight
click gamble in the stands
# The odds are for two fighters fresh from rest.
set 1 Wounds 0
set 2 Wounds 0
state
odds 1000
state
quit
CMDS
)
grep -qx 'log: T U R N :  1' <<<"$out" || fail "no first turn header"
grep -qx 'log:  distance: 12' <<<"$out" || fail "no closing distance line"
grep -q '^names\|"turn":0' <<<"$out" || fail "the fight did not end"
states=$(grep '^{' <<<"$out")
[ "$(sed -n 1p <<<"$states")" = "$(sed -n 2p <<<"$states")" ] || fail "odds changed the game"
line=$(grep '^odds ' <<<"$out") || fail "no odds line"
[[ $line =~ ^odds\ 1000\ wins1=([0-9]+)\ wins2=([0-9]+)\ other=([0-9]+)$ ]] || fail "odds line: $line"
[ $((BASH_REMATCH[1] + BASH_REMATCH[2] + BASH_REMATCH[3])) = 1000 ] || fail "odds do not add up: $line"
[ $((BASH_REMATCH[1] + BASH_REMATCH[2])) -gt 0 ] || fail "no duel ended in a kill: $line"
# The fight ended: the between-fights menu is back.
grep -q '"menu":8' <<<"$(sed -n 1p <<<"$states")" || fail "between-fights menu not shown"
echo "$line"
