#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every title-bar button of every kind of window, on a Wayland desktop: weston's desktop shell,
# where Qt draws the title bars itself and offers maximise even on the game window and the
# message boxes, whose size is fixed. The compositor ends a program whose maximised window does
# not take the size it was given, so after each click the program must still be running and
# the window must fill the screen, or be back at its own size.
set -euo pipefail

program=$1
. "$(dirname "$0")/weston_session.sh"
size=1024x768
open_wayland_session $size desktop-shell.so --config="$(cd "$(dirname "$0")" && pwd)/weston_desktop.ini"
start_wayland_program "$program" --mute

shoot() {
  import -window root "$work/$1.png"
}

alive() {
  kill -0 "$PROGRAM_PID" 2>/dev/null || { echo "FAIL: the program ended after $1" >&2; exit 1; }
}

# The frames of the windows on the screen, or of those not in the picture BEFORE when given,
# as "WIDTH HEIGHT LEFT TOP". Qt draws every frame in one grey, at least three pixels wide; the
# desktop is black and has no panel. What is thinner, as the edges of a title's letters that
# turn grey when its window loses the focus, is left out.
frames() {
  convert "$work/$1.png" -fuzz 1% -fill "#123456" -opaque "#EFEFEF" -fuzz 0 \
    -fill black +opaque "#123456" -fill white -opaque "#123456" "$work/$1-frames.png"
}
box_of() {
  frames "$1"
  local picture=$work/$1-frames.png
  if [ -n "${2:-}" ]; then
    frames "$2"
    convert "$picture" "$work/$2-frames.png" -compose minus_src -composite "$work/new.png"
    picture=$work/new.png
  fi
  convert "$picture" -morphology Open Square:1 -bordercolor black -border 1 -trim \
    -format '%w %h %[fx:page.x-1] %[fx:page.y-1]\n' info: 2>/dev/null
}

# Waits up to ten seconds for a window that is not in the picture BEFORE (the whole desktop when
# none is given), and, when given, for its frame to be at "LEFT TOP RIGHT"; sets left, top and
# right to its frame.
wait_for_window() {
  local until=$((SECONDS + 10)) w h
  while [ $SECONDS -lt $until ]; do
    shoot now
    read -r w h left top < <(box_of now "${1:-}")
    right=$((left + w - 1))
    if [ "$w" -gt 100 ] && [ "$h" -gt 100 ] && [ -z "${2:-}" ] || [ "$left $top $right" = "${2:-}" ]; then
      return 0
    fi
    sleep 0.2
  done
  echo "FAIL: ${3:-a window} did not appear${2:+ at $2}; the last frame was at $left $top $right" >&2
  exit 1
}

# Qt's title bar: its buttons from the right, each 22 pixels left of the last, centred 15 pixels
# below the frame's top.
click_title_button() {
  local offset
  case $1 in
    close) offset=17 ;;
    maximise) offset=39 ;;
    minimise) offset=62 ;;
  esac
  # The pointer then goes to the corner, where the grey edge of its arrow cannot be taken for a
  # frame.
  xdotool mousemove $((right - offset)) $((top + 15)) sleep 0.1 click 1 sleep 0.1 mousemove 1023 767
  sleep 1
  alive "$1 on $2"
}

# Maximise fills the screen; the same button brings the window back to where it was.
maximise_and_restore() {
  local was="$left $top $right"
  click_title_button maximise "$1"
  wait_for_window "" "0 0 1023" "$1 maximised"
  click_title_button maximise "the maximised $1"
  wait_for_window "${2:-}" "$was" "$1 restored"
}

xdotool mousemove 1023 767
wait_for_window
sleep 0.5
wait_for_window
menu_left=$left menu_top=$top menu_right=$right
maximise_and_restore "the menu"
xdotool mousemove 1023 767
shoot menu

# About, from the menu's own place: its message box is the window that differs.
xdotool mousemove $((menu_left + 207)) $((menu_top + 395)) click 1
sleep 1
wait_for_window menu
maximise_and_restore "the About box" menu
click_title_button close "the About box"
wait_for_window "" "$menu_left $menu_top $menu_right" "the menu without the About box"

# Play: the game window replaces the menu.
xdotool mousemove $((menu_left + 112)) $((menu_top + 283)) click 1
sleep 1
wait_for_window
maximise_and_restore "the game window"
click_title_button minimise "the game window"
echo "PASS"
