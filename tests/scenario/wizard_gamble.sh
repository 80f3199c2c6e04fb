#!/usr/bin/env bash
# A new player makes his fighter with the wizard (name, race, strength), which
# stakes him in the stands at once; he releases the fighters, and when the fight
# is over he gambles again. Checks the Names lines, the Log line of the wizard,
# names.txt, and that each purse paid exactly its fighter's value.
# usage: wizard_gamble.sh VORLUND_SIM GAME_DIR
set -euo pipefail
sim=$1
game=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for f in names.txt races.txt risks.txt aorb1.orb atri1.tri; do cp "$game/$f" "$tmp/"; done
cp "$tmp/names.txt" "$tmp/names.before"

fail() {
  echo "wizard_gamble: $*" >&2
  echo "--- end of the sim's output:" >&2
  tail -n 30 "$tmp/out" | cut -c1-300 >&2
  echo "--- sim errors:" >&2
  cat "$tmp/err" >&2
  exit 1
}

"$sim" --dir "$tmp" --seed 1 >"$tmp/out" 2>"$tmp/err" <<'COMMANDS' || fail "sim exited with $?"
tick
names
click #0
names
click human
names
click 12
names
state
click release fighters
names
state
fight 20000
state
names
click gamble in the stands
names
state
quit
COMMANDS
# Until the fight can end, the second gamble finds no menu line to click.
grep -vxF 'vorlund-sim: no line "gamble in the stands"' "$tmp/err" >/dev/null && fail "sim complained"

# The Nth answer of `names` (its lines without the "| ") and of `state`.
names_block() {
  awk -v n="$1" '/^names state=/ { k++; next } /^\| / { if (k == n) print substr($0, 3); next }
                 { if (k == n) exit }' "$tmp/out"
}
names_header() { grep '^names state=' "$tmp/out" | sed -n "${1}p"; }
state_line() { grep '^{' "$tmp/out" | sed -n "${1}p"; }
# Property of slot S (1..8) from a state line.
prop() { grep -o "\"$2\":\(-\?[0-9]\+\|\"[^\"]*\"\|true\|false\)" <<<"$1" | sed -n "${3}p" | cut -d: -f2- | tr -d '"'; }
value() {  # the fighter's value from ST, DX, IQ and wounds (default unhurt)
  local st=$1 dx=$2 iq=$3 wounds=${4:-0} base=$((10 * $1 + $2 * $2 + 30))
  case $iq in
    6) base=$((base * 3)) ;;
    7) base=$((base * 10)) ;;
    *) if [ "$iq" -ge 8 ] && [ "$iq" -le 999 ]; then base=$((base * iq)); fi ;;
  esac
  # A wounded fighter is worth the unhurt share, rounded half to even.
  awk -v b="$base" -v w="$wounds" -v st="$st" 'BEGIN {
    if (w <= 0) { print b; exit }
    x = b * (1 - w / st); f = int(x); r = x - f
    if (r > 0.5 || (r == 0.5 && f % 2 == 1)) f++
    print f }'
}
expect_eq() { [ "$1" == "$2" ] || fail "$3: got '$1', expected '$2'"; }

first=$(head -n1 "$tmp/names.before" | tr -d '\r')
total=$(wc -l <"$tmp/names.before")

# 1. The names to choose from are names.txt, the wizard takes the first.
expect_eq "$(names_header 1 | cut -d' ' -f2,4)" "state=1 count=$total" "names at start"
expect_eq "$(names_header 2 | cut -d' ' -f2)" "state=2" "after the name"
expect_eq "$(names_block 2 | head -n1)" "human" "first race line"
expect_eq "$(names_header 3)" "names state=6 selected=-1 count=9" "human strengths"
expect_eq "$(names_block 3 | paste -sd' ')" "8 9 10 11 12 13 14 15 16" "human strengths"

# 2. The wizard's Log line, then the wager list against a guest.
grep -qx "log: $first human 12 12" "$tmp/out" || fail "no wizard line for $first"
s=$(state_line 1)
expect_eq "$(prop "$s" menu 1)" "7" "menu after the wizard"
guest=$(prop "$s" Name_String 2)
bet1=$(prop "$s" Bet_value 1)
bet2=$(prop "$s" Bet_value 2)
expect_eq "$bet1" "2352" "a human of ST 12 is worth"
expect_eq "$bet2" "$(value "$(prop "$s" ST 2)" "$(prop "$s" DX 2)" "$(prop "$s" IQ 2)")" "guest's stake"
expect_eq "$(prop "$s" Coin 1)" "$((1375000 - bet1))" "player's purse"
expect_eq "$(prop "$s" Coin 2)" "$((1375000 - bet2))" "guest's purse"
expect_eq "$(prop "$s" Hex 1),$(prop "$s" Hex 2),$(prop "$s" arenaCentre 1)" "196,577,1272" "placement"
expected=$(printf '%s\n' "" "$first\$$bet1" "$guest\$$bet2" "" "\$$((bet1 + bet2))" " is wagered" "" "release fighters")
expect_eq "$(names_block 4)" "$expected" "wager list"

# 4. Release: the fight starts and "forfit" is offered.
expect_eq "$(names_block 5 | tail -n2 | paste -sd'|')" "|forfit" "fight commands"
expect_eq "$(prop "$(state_line 2)" turn 1)" "1" "turn after release"

# 5. When the fight is over, a new gamble stakes both purses again.
s=$(state_line 3)
if [ "$(prop "$s" turn 1)" != "0" ]; then
  [ -s "$tmp/err" ] || fail "a fight still running offered the between-fights menu"
  echo "wizard_gamble: the fight did not end (no turn step yet); second gamble not checked" >&2
  exit 0
fi
[ -s "$tmp/err" ] && fail "the between-fights menu had no gamble"
expect_eq "$(names_header 6 | cut -d' ' -f2)" "state=8" "menu after the fight"
after=$(state_line 4)
for p in 1 2; do
  bet=$(prop "$after" Bet_value $p)
  expect_eq "$(prop "$after" Coin $p)" "$(($(prop "$s" Coin $p) - bet))" "purse $p after the second gamble"
  expect_eq "$bet" "$(value "$(prop "$after" ST $p)" "$(prop "$after" DX $p)" "$(prop "$after" IQ $p)" "$(prop "$after" Wounds $p)")" "stake $p"
done
expect_eq "$(names_block 7 | tail -n1)" "release fighters" "second wager list"

# 3. names.txt lost exactly the names given to fighters (the wizard's, the
# first guest's, and whoever the second gamble brought in), nothing else.
taken=$(printf '%s\n' "$first" "$guest" "$(prop "$after" Name_String 1)" "$(prop "$after" Name_String 2)" | sort -u)
expect_eq "$(wc -l <"$tmp/names.txt")" "$((total - $(wc -l <<<"$taken")))" "names left"
grep -vxF -f <(sed 's/$/\r/' <<<"$taken") "$tmp/names.before" >"$tmp/names.expected" || true
cmp -s "$tmp/names.expected" "$tmp/names.txt" || fail "names.txt is not the old list less the names taken"
echo "wizard_gamble: ok"
