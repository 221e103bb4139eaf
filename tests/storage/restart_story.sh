#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A score entered through the real store is in the table when the game starts again: the replay
# driver plays the lost-round script (a score of 1) and submits it under "Ann".
set -euo pipefail
replay=$1
round=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file=$work/data/quibbet/high-scores.json
sed -n '1,/^click cmdsubmit/p' "$round" >"$work/round.txt"
fail() { echo "FAIL: $*"; exit 1; }

# No file yet: the default table refuses a 1, and nothing is written.
"$replay" --high-scores "$file" <"$work/round.txt" >/dev/null 2>"$work/err"
[ ! -e "$file" ] || fail "a refused score made the file"
[ ! -s "$work/err" ] || fail "unexpected warning: $(cat "$work/err")"

# A table an earlier game left, whose last row a 1 beats.
mkdir -p "$(dirname "$file")"
cat >"$file" <<'TABLE'
{"format": 1, "table": [{"name": "Lea", "score": 9}, {"name": "Max", "score": 7},
  {"name": "Ida", "score": 5}, {"name": "Ole", "score": 3}, {"name": "Uma", "score": 0}]}
TABLE
"$replay" --high-scores "$file" <"$work/round.txt" >/dev/null

# The game starts again and shows the entry; the file is the owner's alone.
printf 'click cmdplay\ndump\n' | "$replay" --high-scores "$file" >"$work/again.jsonl"
grep -q '"number":"4.","name":"Ole","score":"3"' "$work/again.jsonl" || fail "row 4 lost"
grep -q '"number":"5.","name":"Ann","score":"1"' "$work/again.jsonl" || fail "the entry is not there"
[ "$(stat -c %a "$file")" = 600 ] || fail "the file is readable by others"
echo PASS
