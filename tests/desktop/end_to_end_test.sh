#!/bin/bash
# The real program in a real X server: Play opens the game window in place of the menu, and the
# green square is painted where the pointer is.
set -euo pipefail

program=$1
. "$(dirname "$0")/x11_session.sh"
require_tools Xvfb xdotool import convert
open_session
start_xvfb 1024x768
start_program "$program" 1

menu=$(wait_for_window "Welcome To Quibbet 2")
click_in "$menu" 108 252  # Play
game=$(wait_for_window "Quibbet")
wait_for_window_gone "Welcome To Quibbet 2"

# The blocks start at least 5000 twips left of the window, so for the first second and a half
# nothing but the square is in play.
move_in "$game" 300 400
sleep 0.3
capture "$game" "$work/game.png"
expect_pixel "$work/game.png" 312 412 00FF00 "the square under the pointer"
expect_pixel "$work/game.png" 300 412 000000 "the square's border"
expect_pixel "$work/game.png" 290 412 FFFFFF "the window beside the square"
expect_pixel "$work/game.png" 300 48 000000 "the info bar's outline"
echo "PASS"
