#!/bin/bash
# Takes the screenshots in docs/screenshots: the real program in an X server of its own
# (Xvfb), driven with xdotool through the menu, the help window, a round and its game-over
# screen. Scale 1 gives menu.png, help.png, game.png and gameover.png; scale 2
# (QT_SCALE_FACTOR=2) gives the same names with @2x, to check sharpness on dense screens.
#
# Usage: scripts/screenshots.sh [path/to/quibbet]    (default: build/src/desktop/quibbet)
# Needs: xvfb, xdotool, imagemagick.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/src/desktop/quibbet}")
out=$root/docs/screenshots
. "$root/tests/desktop/x11_session.sh"

open_session
mkdir -p "$out"
start_xvfb 1600x1300

# A window position in design pixels, at the current scale.
at() {
  echo $(($1 * scale)) $(($2 * scale))
}

# Lets a window that has just appeared paint itself before it is captured.
settle() {
  sleep 0.5
}

# True once the game-over screen shows: "Submit Score" stands where only blocks pass in play,
# and no block or square has its grey.
game_over_shown() {
  capture "$1" "$work/check.png"
  case $(pixel_of "$work/check.png" $(at 300 125)) in
    FFFFFF | 000000 | FF0000 | FFFF00 | 0000FF | FF00FF | 00FF00) return 1 ;;
  esac
}

# Sweeps the square up and down across the middle of the window until a red block ends the
# round.
lose_round() {
  local y=60 step=6
  for i in $(seq 3000); do
    move_in "$1" $(at 360 "$y")
    y=$((y + step))
    if [ "$y" -ge 580 ] || [ "$y" -le 60 ]; then
      step=$((-step))
    fi
    if [ $((i % 25)) -eq 0 ] && game_over_shown "$1"; then
      return 0
    fi
    sleep 0.02
  done
  echo "no round ended within a minute" >&2
  return 1
}

shoot() {
  scale=$1
  local suffix=$2 menu help game
  start_program "$program" "$scale"

  menu=$(wait_for_window "Welcome To Quibbet 2")
  settle
  capture "$menu" "$out/menu$suffix.png"

  click_in "$menu" $(at 156 308)  # How To Play
  help=$(wait_for_window "How to Play")
  settle
  capture "$help" "$out/help$suffix.png"

  click_in "$help" $(at 328 444)  # Back to Main Menu
  menu=$(wait_for_window "Welcome To Quibbet 2")
  click_in "$menu" $(at 108 252)  # Play
  game=$(wait_for_window "Quibbet")
  # Blocks need about three seconds to cross a third of the window; the square waits
  # beyond their reach.
  move_in "$game" $(at 560 300)
  sleep 3.4
  capture "$game" "$out/game$suffix.png"

  lose_round "$game"
  click_in "$game" $(at 450 88)  # the name box
  xdotool type --delay 50 "Ada"
  settle
  capture "$game" "$out/gameover$suffix.png"

  kill "$PROGRAM_PID"
  wait "$PROGRAM_PID" 2>/dev/null || true
}

shoot 1 ""
shoot 2 "@2x"
ls -l "$out"
