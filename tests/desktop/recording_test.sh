#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A session of the real program played with the pointer and the keyboard, put on record with
# --record, and then replayed: the replay driver prints exactly the states the program recorded.
# Through the help window and back, a round with a freeze, a submitted score, a second round,
# the menu and Exit. Then a killed game leaves a replayable recording: killed in its first round,
# and killed in its second, the script replays without error to the states on file, up to the
# last second of play.
set -euo pipefail

program=$1
replay=$2
. "$(dirname "$0")/x11_session.sh"
begin_test_session Xvfb xdotool
# A failure shows what the program said, a sanitizer's report included.
trap 'status=$?; [ "$status" -eq 0 ] || cat "$work/stderr" >&2 2>/dev/null; stop_session; rm -rf "$work"' EXIT
start_xvfb 1024x768
record() {
  QT_QPA_PLATFORM=xcb "$program" --record "$work/session.txt" "$@" 2>"$work/stderr" &
  PROGRAM_PID=$!
}
record

dumps() {
  [ -f "$work/session.txt.jsonl" ] && wc -l <"$work/session.txt.jsonl" || echo 0
}

# Throws the square about the game window until a red block ends the round.
play_until_round_ends() {
  local before=$1
  for _ in $(seq 3000); do
    [ "$(dumps)" -gt "$before" ] && return 0
    move_in "$game" $((RANDOM % 700 + 10)) $((RANDOM % 520 + 60))
    sleep 0.01
  done
  echo "FAIL: the round did not end" >&2
  return 1
}

# Answers a message box with its default button, if one opens.
press_return_in() {
  local box
  box=$(timeout 3 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || return 0
  xdotool windowfocus --sync "$box" key Return
}

menu=$(wait_for_window "Welcome To Quibbet 2")
move_in "$menu" 300 100
click_in "$menu" 156 308  # How To Play
help=$(wait_for_window "How to Play")
move_in "$help" 200 200
click_in "$help" 328 444  # Back to Main Menu
menu=$(wait_for_window "Welcome To Quibbet 2")
click_in "$menu" 108 252  # Play
game=$(wait_for_window "Quibbet")

# With the program's fixed sequence the blue block runs into a square parked here after about
# 230 ticks, and no red block passes before 450.
move_in "$game" 336 417
sleep 5
xdotool windowfocus --sync "$game" key space
sleep 1
play_until_round_ends 0

click_in "$game" 450 88  # the name box
xdotool type --delay 50 "Tester"
click_in "$game" 352 124  # Submit Score
press_return_in "Error"
click_in "$game" 352 420  # Click To Play Again
play_until_round_ends 1

click_in "$game" 352 480  # Go To Main Menu
menu=$(wait_for_window "Welcome To Quibbet 2")
click_in "$menu" 244 428  # Exit
press_return_in "End program"
for _ in $(seq 100); do
  kill -0 "$PROGRAM_PID" 2>/dev/null || break
  sleep 0.1
done
wait "$PROGRAM_PID"
PROGRAM_PID=

! grep -q "recording stopped" "$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
[ "$(dumps)" -eq 3 ] || { echo "FAIL: expected three dumps, got $(dumps)" >&2; exit 1; }
# The spacebar started a freeze: the script up to it, replayed, leaves the game frozen.
{ sed '/^key 32$/q' "$work/session.txt"; echo dump; } | "$replay" | tail -n 1 |
  grep -q '"frozen":true' || { echo "FAIL: the spacebar started no freeze" >&2; exit 1; }
grep -qx "type Tester" "$work/session.txt" || { echo "FAIL: no name on record" >&2; exit 1; }
"$replay" <"$work/session.txt" >"$work/replayed.jsonl"
if ! diff -q "$work/session.txt.jsonl" "$work/replayed.jsonl" >/dev/null; then
  echo "FAIL: the replay printed other states than the program recorded" >&2
  diff <(jq -S . "$work/session.txt.jsonl") <(jq -S . "$work/replayed.jsonl") | head -40 >&2
  exit 1
fi
echo "PASS: $(wc -l <"$work/session.txt") script lines replay to the recorded states"

# Over the recording above, played for three seconds into the round given, then killed.
killed_in_round() {
  local signal=$1 round=$2
  record --overwrite
  menu=$(wait_for_window "Welcome To Quibbet 2")
  click_in "$menu" 108 252  # Play
  game=$(wait_for_window "Quibbet")
  if [ "$round" -eq 2 ]; then
    play_until_round_ends 0
    click_in "$game" 352 420  # Click To Play Again
  fi
  # Parked where no red block passes in the first round's seven seconds.
  for step in $(seq 30); do
    move_in "$game" $((336 + step % 2)) 417
    sleep 0.1
  done
  kill "-$signal" "$PROGRAM_PID"
  wait "$PROGRAM_PID" || true
  PROGRAM_PID=
}

for killed in "KILL 1" "TERM 2"; do
  killed_in_round $killed
  "$replay" <"$work/session.txt" >"$work/replayed.jsonl" 2>"$work/replay-errors" ||
    { echo "FAIL: killed with $killed: $(cat "$work/replay-errors")" >&2; exit 1; }
  # The script's last dump may have gone out with no time left for its state.
  recorded=$(wc -l <"$work/session.txt.jsonl")
  [ "$recorded" -ge "$((${killed#* } - 1))" ] &&
    [ "$(wc -l <"$work/replayed.jsonl")" -le "$((recorded + 1))" ] &&
    head -n "$recorded" "$work/replayed.jsonl" | cmp -s - "$work/session.txt.jsonl" ||
    { echo "FAIL: killed with $killed: the replay printed other states than recorded" >&2; exit 1; }
  # The round it was killed in is on record, all but its last second.
  ticks=$({ cat "$work/session.txt"; echo dump; } | "$replay" | tail -n 1 | jq '.game.tickcount')
  [ "$ticks" -ge 62 ] ||
    { echo "FAIL: killed with $killed: the last round has $ticks ticks on record" >&2; exit 1; }
  echo "PASS: killed with $killed, $(wc -l <"$work/session.txt") script lines replay, $ticks ticks into the round"
done
