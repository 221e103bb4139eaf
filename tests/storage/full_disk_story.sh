#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A full disk keeps the old table and says so: on a real tmpfs of 64 KiB, with a table of about
# 10 KB and no space free (so that the lock's file takes no byte), 4 or 8 KiB free, an entry
# through quibbet-replay --high-scores leaves the file byte for byte as it was, nothing else in
# the folder, one line on standard error naming the full disk and the notice in the player's
# message box; with the space back, the next entry is saved. Mounting needs root:
# the story skips where that is not allowed, except in CI, where it fails.
set -euo pipefail
replay=$1
round=$2
. "$(dirname "$0")/../story.sh"
if [ -z "${QUIBBET_PRIVATE_MOUNTS:-}" ]; then
  # A mount namespace of its own, so the tmpfs goes with the story however it ends.
  unshare -m true 2>/dev/null || lacks "no mount namespace here"
  QUIBBET_PRIVATE_MOUNTS=1 exec unshare -m "$0" "$@"
fi
work=$(mktemp -d)
trap 'umount "$work/disk" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$work/disk"
mount -t tmpfs -o size=64k,mode=0700 tmpfs "$work/disk" || lacks "cannot mount a tmpfs"
folder=$work/disk/quibbet
file=$folder/high-scores.json
sed -n '1,/^click cmdsubmit/p' "$round" >"$work/round.txt"
echo dump >>"$work/round.txt"
fail() { echo "FAIL: $*"; exit 1; }

long=$(printf 'n%.0s' $(seq 2500))
mkdir -m 0700 "$folder"
cat >"$file" <<TABLE
{"format": 1, "table": [{"name": "$long", "score": 9}, {"name": "$long", "score": 7},
  {"name": "$long", "score": 5}, {"name": "$long", "score": 3}, {"name": "Uma", "score": 0}]}
TABLE
cp "$file" "$work/old.json"

for free in 0 4096 8192; do
  rm -f "$work/disk/filler"
  avail=$(df -B1 --output=avail "$work/disk" | tail -1)
  head -c $((avail - free)) /dev/zero >"$work/disk/filler"
  "$replay" --high-scores "$file" <"$work/round.txt" >"$work/out.jsonl" 2>"$work/err" ||
    fail "the game stopped"
  cmp -s "$file" "$work/old.json" || fail "$free bytes free: the file changed"
  [ "$(ls -A "$folder")" = high-scores.json ] || fail "$free bytes free: left $(ls -A "$folder")"
  [ "$(wc -l <"$work/err")" = 1 ] || fail "$free bytes free: not one line: $(cat "$work/err")"
  grep -q "could not be saved in $file (No space left on device)" "$work/err" ||
    fail "$free bytes free: $(cat "$work/err")"
  grep -q '"title":"High Scores"' "$work/out.jsonl" || fail "$free bytes free: the player was not told"
  grep -q '"name":"Ann","score":"1"' "$work/out.jsonl" || fail "$free bytes free: the entry is not shown"
done

rm "$work/disk/filler"
"$replay" --high-scores "$file" <"$work/round.txt" >"$work/out.jsonl" 2>"$work/err"
[ ! -s "$work/err" ] || fail "with space: $(cat "$work/err")"
grep -q '"name": "Ann", "score": 1' "$file" || fail "with space: the entry was not saved"
echo PASS
