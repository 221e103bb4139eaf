#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a Wayland compositor: weston, with its X11 back end inside Xvfb so that
# xdotool's pointer reaches the game through the compositor. Play opens the game, the square
# follows the pointer, and the round ends on a red block with the game-over screen. The program
# gets no X display, so it cannot fall back to X11. The last picture is left in
# wayland-game-over.png in the working folder.
set -euo pipefail

program=$1
. "$(dirname "$0")/weston_session.sh"
width=1024 height=768
# The kiosk shell shows each window on its own, centred, with no decoration to allow for.
open_wayland_session ${width}x$height kiosk-shell.so --no-config
start_wayland_program "$program"

shoot() {
  import -window root "$work/$1.png"
}

# The compositor hands on the program's colours a shade off (white arrives as FDFDFD), so a
# pixel matches a colour within a few steps in each channel.
near() {
  local actual channel difference
  actual=$(pixel_of "$1" "$2" "$3")
  for channel in 0 2 4; do
    difference=$((16#${actual:channel:2} - 16#${4:channel:2}))
    [ ${difference#-} -le 8 ] || return 1
  done
}

fail_at() {
  cp "$work/$1.png" wayland-failed.png
  echo "FAIL: $5: pixel ($2, $3) is $(pixel_of "$work/$1.png" "$2" "$3"), expected $4" \
    "(picture: wayland-failed.png)" >&2
  cat "$work/program.log" >&2
  exit 1
}

expect_near() {
  near "$work/$1.png" "$2" "$3" "$4" || fail_at "$@"
}

# Waits up to ten seconds for a pixel of the compositor's output to take a colour.
wait_for_pixel() {
  local until=$((SECONDS + 10))
  while [ $SECONDS -lt $until ]; do
    shoot wait
    near "$work/wait.png" "$@" && return 0
    sleep 0.1
  done
  fail_at wait "$@"
}

# The menu fills the output from its top-left corner.
wait_for_pixel 60 252 00FF00 "the menu's Play button"
xdotool mousemove 108 252 click 1
# The game window is narrower than the menu and leaves the output's corner black.
wait_for_pixel 60 252 000000 "the output beside the game window"

# The square is painted at the pointer: the pointer went through the compositor to the game.
# Blocks need over a second to enter the window, so it is safe in the middle for a while.
x=$((width / 2)) y=$((height / 2))
xdotool mousemove $((x - 1)) $y mousemove $x $y
wait_for_pixel $((x + 12)) $((y + 12)) 00FF00 "the square under the pointer"
expect_near wait $x $((y + 12)) 000000 "the square's border"

# Where the centred game window lies: its first column on the pointer's row, and its last row
# below the pointer, mirrored.
left=$(convert "$work/wait.png" -crop "${width}x1+0+$y" +repage txt:- |
  awk -F'[,: ]+' '!found && $0 !~ /^#/ && $0 !~ /#000000/ { print $1; found = 1 }')
bottom=$(convert "$work/wait.png" -crop "1x$height+$((x - 100))+0" +repage txt:- |
  awk -F'[,: ]+' '$0 !~ /^#/ && $0 !~ /#000000/ { last = $2 } END { print last }')
top=$((height - 1 - bottom))
echo "game window at ($left, $top)"

# Sweeps the square up and down the middle until a red block ends the round and the game-over
# screen shows "Go To Main Menu", in a green that no block has and left of the square's path.
menu_button_x=$((left + 295)) menu_button_y=$((top + 470))
game_over_shown() {
  shoot check
  near "$work/check.png" $menu_button_x $menu_button_y 00FF00
}
step=6
over=
for i in $(seq 3000); do
  xdotool mousemove $x $y
  y=$((y + step))
  if [ $y -ge $((top + 560)) ] || [ $y -le $((top + 80)) ]; then
    step=$((-step))
  fi
  if [ $((i % 25)) -eq 0 ] && game_over_shown; then
    over=1
    break
  fi
  sleep 0.02
done
[ -n "$over" ] || { echo "FAIL: no round ended within a minute" >&2; exit 1; }

sleep 0.3
shoot over
cp "$work/over.png" wayland-game-over.png
expect_near over $((left + 12)) $((top + 100)) FFFFFF "the window's background"
expect_near over $((left + 300)) $((top + 125)) F0F0F0 "Submit Score"
near "$work/over.png" $((x + 12)) $((y + 12)) 00FF00 && fail_at over $((x + 12)) $((y + 12)) \
  "no green" "the square hidden"
kill -0 "$PROGRAM_PID" || { echo "FAIL: the program has ended" >&2; exit 1; }
echo "PASS"
