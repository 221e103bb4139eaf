#!/bin/bash
# The real program under a window manager on a laptop-sized screen, driven from the keyboard
# where a player would: every window appears whole on the screen, the game window stays where
# the player put it, and a spacebar still being tapped as a round ends never skips the
# game-over screen.
set -euo pipefail

program=$1
. "$(dirname "$0")/x11_session.sh"
require_tools Xvfb openbox xdotool xprop xwininfo import convert
open_session
start_xvfb 1366x768
start_window_manager
start_program "$program" 1

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Prints the window's frame and fails unless all of it lies on the screen.
expect_on_screen() {
  local frame x y w h
  frame=$(frame_of "$1")
  read -r x y w h <<<"$frame"
  if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt 1366 ] || [ $((y + h)) -gt 768 ]; then
    fail "$2: frame $frame is not inside the 1366x768 screen"
  fi
  echo "$frame"
}

# Waits for the window with the first title to take the place of the one with the second,
# checks that it lies whole on the screen and prints its id.
replaced_by() {
  local shown
  shown=$(wait_for_window "$1")
  wait_for_window_gone "$2"
  expect_on_screen "$shown" "$1 in place of $2" >/dev/null
  echo "$shown"
}

# The name box's light grey shows only on the game-over screen.
game_over_shown() {
  capture "$game" "$work/game.png"
  [ "$(pixel_of "$work/game.png" 550 80)" = E0E0E0 ]
}

menu=$(wait_for_window "Welcome To Quibbet 2")
expect_on_screen "$menu" "the first menu" >/dev/null
xdotool key Return  # Enter presses the focused Play
game=$(replaced_by "Quibbet" "Welcome To Quibbet 2")

# Sweeps the square over the field, tapping the spacebar, until a red block ends the round.
for _ in $(seq 60); do
  game_over_shown && break
  for y in 80 160 240 320 400 480 560; do
    for x in 40 200 360 520 680; do
      move_in "$game" "$x" "$y"
      xdotool key space
    done
  done
done
game_over_shown || fail "no round ended"
for _ in 1 2 3 4 5; do
  xdotool key space
done
sleep 0.5
game_over_shown || fail "the spacebar at the end of a round left the game-over screen"

# Enter in the name box submits the score: the table changes or, for a score too low, the
# refusal says so.
convert "$work/game.png" -crop 330x150+190+190 "$work/table-before.png"
xdotool type Ada
xdotool key KP_Enter
refusal=
for _ in $(seq 50); do
  refusal=$(find_window "Error")
  [ -z "$refusal" ] || break
  sleep 0.1
done
if [ -n "$refusal" ]; then
  xdotool key Return
  wait_for_window_gone "Error"
else
  game_over_shown
  convert "$work/game.png" -crop 330x150+190+190 "$work/table-after.png"
  [ "$(compare -metric AE "$work/table-before.png" "$work/table-after.png" null: 2>&1)" != 0 ] ||
    fail "Enter in the name box did not submit the score"
fi

# The player moves the game window to the top-left corner; the menu then opens centred on it
# and pushed on screen, and Play brings the game window back to that corner.
xdotool windowmove "$game" 0 0
sleep 0.5
placed=$(frame_of "$game")
click_in "$game" 352 480  # Go To Main Menu
menu=$(replaced_by "Welcome To Quibbet 2" "Quibbet")
xdotool key Return
game=$(replaced_by "Quibbet" "Welcome To Quibbet 2")
[ "$(frame_of "$game")" = "$placed" ] ||
  fail "the game window moved from $placed to $(frame_of "$game")"
game_over_shown || fail "the game window came back without its game-over screen"

# Over to the help window and back with Escape.
click_in "$game" 352 480
menu=$(replaced_by "Welcome To Quibbet 2" "Quibbet")
click_in "$menu" 156 308  # How To Play
replaced_by "How to Play" "Welcome To Quibbet 2" >/dev/null
xdotool key Escape
replaced_by "Welcome To Quibbet 2" "How to Play" >/dev/null
echo "PASS"
