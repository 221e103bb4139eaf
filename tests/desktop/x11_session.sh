# Runs the real program in an X server of its own and drives it as a player would. Sourced by
# the end-to-end test and by scripts/screenshots.sh; every position is in the window's own
# pixels.

# A test's start: skips it (status 77) unless every tool named is installed, then makes a work
# folder $work that goes, with the X server and the program, when the test ends.
begin_test_session() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  work=$(mktemp -d)
  trap 'stop_session; rm -rf "$work"' EXIT
}

# Starts Xvfb on a free display with a screen of the given size (e.g. 1600x1300) and points
# DISPLAY at it.
start_xvfb() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
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

# Starts the program on that display with the given Qt scale factor.
start_program() {
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$2" "$1" >/dev/null 2>&1 &
  PROGRAM_PID=$!
}

stop_session() {
  [ -z "${PROGRAM_PID:-}" ] || kill "$PROGRAM_PID" 2>/dev/null || true
  [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
}

# Prints the id of the shown window with exactly this title, waiting up to ten seconds for it.
wait_for_window() {
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Waits until no shown window has this title.
wait_for_window_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
    sleep 0.1
  done
  echo "window still shown: $1" >&2
  return 1
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
