#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program at 150 % on a 1024 x 768 screen under a window manager: the game window
# starts shrunk to show whole, F11 fills the screen with it between black bars, drawn anew at
# that size, F11 again brings the window back, and Ctrl+minus is kept for the next run.
set -euo pipefail

program=$1
. "$(dirname "$0")/x11_session.sh"
begin_test_session Xvfb openbox xdotool xprop xwininfo import convert
start_xvfb 1024x768
start_window_manager
start_program "$program" 1.5

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

expect_frame_inside_screen() {
  local x y w h
  read -r x y w h < <(frame_of "$1")
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ] ||
    fail "$2: frame $x $y $w $h is not inside the screen"
}

menu=$(wait_for_window "Welcome To Quibbet 2")
expect_frame_inside_screen "$menu" "the menu"
xdotool key Return
game=$(wait_for_window "Quibbet")
wait_for_window_gone "Welcome To Quibbet 2"
expect_frame_inside_screen "$game" "the game window"
read -r _ _ windowed_width _ < <(frame_of "$game")

xdotool key F11
for _ in $(seq 50); do
  xwininfo -id "$game" | grep -q "Width: 1024" && break
  sleep 0.1
done
sleep 0.5
capture root "$work/full.png"
[ "$(pixel_of "$work/full.png" 10 400)" = 000000 ] || fail "no black bar left of the field"
[ "$(pixel_of "$work/full.png" 512 400)" = FFFFFF ] || fail "no white field in the middle"
# The info bar's outline, one design pixel of the field scaled up, not a bitmap stretched.
line=$(convert "$work/full.png" -crop 1x12+512+52 -alpha off -format "%c" histogram:info: |
  grep -c "#000000" || true)
[ "$line" -ge 1 ] || fail "no info bar outline across the field"


xdotool key ctrl+minus
for _ in $(seq 50); do
  grep -q "^zoom=" "$XDG_CONFIG_HOME/quibbet/quibbet.ini" 2>/dev/null && break
  sleep 0.1
done
grep -qx "zoom=80" "$XDG_CONFIG_HOME/quibbet/quibbet.ini" ||
  fail "the zoom kept is not 80: $(cat "$XDG_CONFIG_HOME/quibbet/quibbet.ini" 2>&1)"
echo "PASS"
