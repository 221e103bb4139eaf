# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What every story in a shell script shares: how it ends when this machine lacks what it needs,
# and folders of its own for the program's data, settings and runtime files.

# Ends the story for want of something: skipped (ctest's 77) on a developer's machine, failed in
# CI, where scripts/install-deps has installed everything and a story that does not run is a
# fault.
lacks() {
  if [ "${CI:-}" = true ]; then
    echo "FAIL: $* (CI must run every story)" >&2
    exit 1
  fi
  echo "skipped: $*" >&2
  exit 77
}

# Ends the story unless every command named is installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || lacks "$tool is not installed (scripts/install-deps test installs it)"
  done
}

# Points the XDG folders into $1, so a story never reads or writes the developer's own table,
# settings or runtime files.
private_folders() {
  export XDG_DATA_HOME=$1/data XDG_CONFIG_HOME=$1/config XDG_CACHE_HOME=$1/cache
  export XDG_RUNTIME_DIR=$1/runtime
  mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

# Starts a PulseAudio of the story's own, its log in the file named, and waits until it answers.
# Its one output is a null sink ("null", recorded through "null.monitor") at 48 kHz, the rate
# the desktop's player asks for, so no effect is resampled on its way to the monitor. PulseAudio
# keeps its cookie under HOME and its socket under XDG_RUNTIME_DIR: both must be the story's own.
start_sound_server() {
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-null-sink rate=48000" \
    --load=module-native-protocol-unix >"$1" 2>&1 &
  SOUND_SERVER_PID=$!
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  pactl info >/dev/null
}

stop_sound_server() {
  [ -n "${SOUND_SERVER_PID:-}" ] || return 0
  kill "$SOUND_SERVER_PID" 2>/dev/null || true
  wait "$SOUND_SERVER_PID" 2>/dev/null || true
  SOUND_SERVER_PID=
}
