# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A Weston compositor for the Wayland stories, with its X11 back end inside the Xvfb of
# x11_session.sh, so that xdotool's pointer reaches the program through the compositor.

. "$(dirname "${BASH_SOURCE[0]}")/x11_session.sh"

# The tools, a scratch folder $work with the program's XDG folders, and weston with the given
# shell and options showing an output of SIZE (WIDTHxHEIGHT) in the top-left corner of an X
# screen a little wider; all go when the script ends.
open_wayland_session() {
  require_tools weston Xvfb xdotool import convert
  compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    lacks "Qt's Wayland plugin is not installed (scripts/install-deps test installs qt6-wayland)"
  work=$(mktemp -d)
  trap 'status=$?; [ "$status" -eq 0 ] || show_program_log; stop_session; stop_weston; rm -rf "$work"' EXIT
  private_folders "$work"
  start_xvfb "$((${1%x*} + 64))x${1#*x}"
  start_weston "$@"
  enter_compositor "$1"
}

# Weston follows the X pointer only once it has entered weston's window, and a pointer that was
# already there when the window opened never did: it is moved out and back, to the output's
# bottom-right corner.
enter_compositor() {
  local width=${1%x*} height=${1#*x}
  for _ in $(seq 100); do
    xwininfo -root -tree | grep -q '"Weston Compositor' && break
    sleep 0.05
  done
  xdotool mousemove $((width + 32)) 0 sleep 0.1 mousemove $((width - 1)) $((height - 1))
}

# Starts weston with the given shell (kiosk-shell.so or desktop-shell.so) and further options on
# the whole of the X screen WIDTHxHEIGHT and waits for its socket; the program then reaches it
# with WAYLAND_DISPLAY=quibbet-test. Its output goes to $work/weston.log.
start_weston() {
  local size=$1 shell=$2
  shift 2
  weston --backend=x11-backend.so --shell="$shell" --use-pixman "$@" \
    --width="${size%x*}" --height="${size#*x}" --socket=quibbet-test --idle-time=0 \
    >"$work/weston.log" 2>&1 &
  WESTON_PID=$!
  for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/quibbet-test" ] && return 0
    sleep 0.1
  done
  cat "$work/weston.log" >&2
  return 1
}

stop_weston() {
  [ -z "${WESTON_PID:-}" ] || kill "$WESTON_PID" 2>/dev/null || true
}

# Starts the program on the compositor, with no X display to fall back to.
start_wayland_program() {
  env -u DISPLAY WAYLAND_DISPLAY=quibbet-test QT_QPA_PLATFORM=wayland "$@" \
    >"$work/program.log" 2>&1 &
  PROGRAM_PID=$!
}
