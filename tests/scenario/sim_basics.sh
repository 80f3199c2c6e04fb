#!/usr/bin/env bash
# vorlund-sim in an empty folder: start, tick, report state, close and save
# the settings; then the same settings file brings the purses back.
set -euo pipefail
sim=$1
game=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The sphere is game data the start-up cannot do without; everything else may be missing.
for f in aorb1.orb atri1.tri; do [ -f "$game/$f" ] && cp "$game/$f" "$work/"; done

out=$("$sim" --dir "$work" --seed 1 --settings "$work/settings.ini" <<'CMDS'
# comments and blank lines are skipped

tick 3
state
set 1 Coin -20
set 1 Name_String Ash the Bold
sheet us
close
CMDS
)
echo "$out"
state=$(grep '^{' <<<"$out")
grep -q '"turn":0,"phase":0' <<<"$state" || fail "state line: $state"
grep -q '"menu":1' <<<"$state" || fail "menu state"
grep -q '"Coin":1375000' <<<"$state" || fail "first-run purse"
[ "$(grep -o '"Name_String"' <<<"$state" | wc -l)" = 8 ] || fail "eight slots"
grep -qx 'caption: Us' <<<"$out" || fail "caption before any refresh"
grep -q '^Status=' "$work/settings.ini" || fail "Status not written"
grep -qx 'Coin1=-20' "$work/settings.ini" || fail "negative purse not written"
grep -qx 'Coin8=1375000' "$work/settings.ini" || fail "Coin8"
[ ! -e "$work/settings.ini.tmp" ] || fail "temporary settings file left behind"

again=$(printf 'state\nquit\n' | "$sim" --dir "$work" --seed 1 --settings "$work/settings.ini")
grep -q '"Coin":-20' <<<"$again" || fail "purse not restored: $again"

# Bad commands stop at once with exit 2 and say why.
set +e
printf 'tick 2\nfrobnicate\ntick\n' | "$sim" --dir "$work" --seed 1 >/dev/null 2>"$work/err"
rc=$?
set -e
[ $rc = 2 ] || fail "unknown command exit $rc"
grep -q 'unknown command: frobnicate' "$work/err" || fail "message: $(cat "$work/err")"
printf 'tick -3\n' | "$sim" --dir "$work" >/dev/null 2>&1 && fail "negative tick accepted"
"$sim" --help | grep -q 'click TEXT' || fail "help"
printf 'click nobody\nnames\n' | "$sim" --dir "$work" --seed 1 2>"$work/err" >/dev/null
grep -qx 'vorlund-sim: no line "nobody"' "$work/err" || fail "no-line message"
echo "1 passed, 0 failed"
