# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the real program in an X server of its own and drives it as a player would. Sourced by
# the end-to-end test and by scripts/screenshots.sh; every position is in the window's own
# pixels.

. "$(dirname "${BASH_SOURCE[0]}")/../story.sh"
# A sanitizer build's program reports at its exit what the system's libraries keep until then
# (lsan.supp says which); its own leaks still fail the story that checks how it ended.
LSAN_OPTIONS=suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0
export LSAN_OPTIONS

# Makes the scratch folder $work, which goes with the X server and the program when the script
# exits, and the program's XDG folders in it. A script that fails shows first what the program
# said.
open_session() {
  work=$(mktemp -d)
  private_folders "$work"
  trap 'status=$?; [ "$status" -eq 0 ] || show_program_log; stop_session; rm -rf "$work"' EXIT
}

show_program_log() {
  [ -s "$work/program.log" ] || return 0
  echo "--- the program's output:" >&2
  cat "$work/program.log" >&2
}

# A test's start: the tools it needs, then its scratch folder.
begin_test_session() {
  require_tools "$@"
  open_session
}

# Starts Xvfb on a free display with a screen of the given size (e.g. 1600x1300) and points
# DISPLAY at it. Without -noreset the server resets when its last client disconnects, and a
# program connecting at that moment is refused.
start_xvfb() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
  done
  DISPLAY=":$(cat "$display_file")"
  export DISPLAY
  rm -f "$display_file"
  [ "$DISPLAY" != ":" ] || { echo "Xvfb did not start" >&2; return 1; }
}

# Starts openbox on that display and waits until it manages windows, so placement and focus
# are as a desktop's.
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    sleep 0.05
  done
  echo "openbox did not start" >&2
  return 1
}

# Starts the program on that display with the given Qt scale factor; what it says goes to
# $work/program.log.
start_program() {
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$2" "$1" >>"$work/program.log" 2>&1 &
  PROGRAM_PID=$!
}

stop_session() {
  [ -z "${PROGRAM_PID:-}" ] || kill "$PROGRAM_PID" 2>/dev/null || true
  [ -z "${WM_PID:-}" ] || kill "$WM_PID" 2>/dev/null || true
  [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
}

# xdotool's search gives up with an X error when a window it looks at is destroyed meanwhile, as
# the program's windows are while one replaces another; each search here is therefore retried,
# and a window counts as gone only when two searches in a row do not find it.
find_window() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

# Prints the id of the shown window with exactly this title, waiting up to thirty seconds for it:
# the first start in a new system took more than ten once.
wait_for_window() {
  local id
  for _ in $(seq 300); do
    id=$(find_window "$1")
    [ -z "$id" ] || { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "window not shown: $1" >&2
  return 1
}

# Waits until no shown window has this title.
wait_for_window_gone() {
  local absent=0
  for _ in $(seq 100); do
    if [ -z "$(find_window "$1")" ]; then
      absent=$((absent + 1))
      [ "$absent" -lt 2 ] || return 0
    else
      absent=0
    fi
    sleep 0.1
  done
  echo "window still shown: $1" >&2
  return 1
}

# The window's frame as the window manager draws it around the window: "left top width height"
# in screen pixels.
frame_of() {
  local x y w h left right top bottom
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF}
    /Absolute upper-left Y/ {y = $NF} / Width:/ {w = $NF} / Height:/ {h = $NF}
    END {print x, y, w, h}')
  IFS=, read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS |
    sed -n 's/.* = //p' | tr -d ' ')
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

move_in() {
  xdotool mousemove --window "$1" "$2" "$3"
}

click_in() {
  move_in "$1" "$2" "$3"
  xdotool click 1
}

capture() {
  import -window "$1" "$2"
}

# The colour of one pixel of a picture, as RRGGBB.
pixel_of() {
  convert "$1" -alpha off -format "%[hex:p{$2,$3}]" info:
}

expect_pixel() {
  local actual
  actual=$(pixel_of "$1" "$2" "$3")
  if [ "$actual" != "$4" ]; then
    echo "FAIL: $5: pixel ($2, $3) is $actual, expected $4" >&2
    return 1
  fi
}
