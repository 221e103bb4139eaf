#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X server keeps a score across a restart: a round ends, a name is
# typed and submitted, the window is closed with its close box (under openbox), and the program
# started again shows the same table on its next game-over screen, read from the file.
set -euo pipefail

program=$1
. "$(dirname "$0")/x11_session.sh"
begin_test_session Xvfb openbox xprop xdotool import convert compare
file=$XDG_DATA_HOME/quibbet/high-scores.json
fail() { echo "FAIL: $*" >&2; exit 1; }

# A table any score makes, as an earlier game may have left it.
mkdir -p "$(dirname "$file")"
cat >"$file" <<'TABLE'
{"format": 1, "table": [{"name": "Lea", "score": 3}, {"name": "Max", "score": 2},
  {"name": "Ida", "score": 1}, {"name": "Ole", "score": 0}, {"name": "Uma", "score": 0}]}
TABLE

start_xvfb 1024x768
start_window_manager

# Plays a round with the square resting mid-window until a block ends it (the name box, light
# grey, then shows), and saves the game-over screen as $1.
play_until_game_over() {
  local menu game
  menu=$(wait_for_window "Welcome To Quibbet 2")
  click_in "$menu" 108 252  # Play
  game=$(wait_for_window "Quibbet")
  move_in "$game" 360 300
  for _ in $(seq 240); do
    sleep 0.5
    capture "$game" "$1"
    [ "$(pixel_of "$1" 452 88)" = E0E0E0 ] && { GAME=$game; return 0; }
  done
  fail "the round did not end within two minutes"
}

# The five rows of the table, names and scores.
table_of() {
  convert "$1" -crop 338x185+192+184 +repage "$2"
}

start_program "$program" 1
play_until_game_over "$work/first.png"
click_in "$GAME" 452 88
xdotool type --delay 20 "Xvfb Ann"
click_in "$GAME" 352 124  # Submit Score
sleep 0.5
grep -q '"name": "Xvfb Ann"' "$file" || fail "the entry is not in the file"
capture "$GAME" "$work/entered.png"
table_of "$work/entered.png" "$work/entered-table.png"

# The close box: openbox closes the active window on Alt+F4, as it does from the title bar.
xdotool windowactivate --sync "$GAME" key alt+F4
for _ in $(seq 100); do
  kill -0 "$PROGRAM_PID" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program did not end with its game window"
status=0
wait "$PROGRAM_PID" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status when its game window closed"

start_program "$program" 1
play_until_game_over "$work/again.png"
table_of "$work/again.png" "$work/again-table.png"
differing=$(compare -metric AE "$work/entered-table.png" "$work/again-table.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "the table after the restart differs in $differing pixels"
[ -z "${KEEP_SCREENSHOTS:-}" ] || cp "$work"/*.png "$KEEP_SCREENSHOTS"
echo PASS
