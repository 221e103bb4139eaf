#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game heard through a real sound server of the test's own with a null sink, whose monitor
# parec records: PulseAudio, or with "pipewire" as the second argument PipeWire's pulse server
# with WirePlumber on a D-Bus of their own. A round played sounds, on a stream the desktop's mixer
# shows as the game's; on PulseAudio also: after M on the menu the next run's round is silent,
# and with no server the game starts and plays.
set -euo pipefail

program=$1 server=${2:-pulseaudio}
. "$(dirname "$0")/x11_session.sh"
if [ "$server" = pipewire ]; then
  begin_test_session Xvfb xdotool pipewire pipewire-pulse wireplumber dbus-daemon parec pactl python3
else
  begin_test_session Xvfb xdotool pulseaudio parec pactl python3
fi
# PulseAudio keeps its cookie under HOME.
export HOME=$work
trap 'status=$?; [ "$status" -eq 0 ] || show_program_log; stop_sound; stop_session; rm -rf "$work"' EXIT
SERVER_PIDS=()
stop_sound() {
  [ -z "${RECORD_PID:-}" ] || kill "$RECORD_PID" 2>/dev/null || true
  [ ${#SERVER_PIDS[@]} -eq 0 ] || kill "${SERVER_PIDS[@]}" 2>/dev/null || true
  stop_sound_server
}

# Both name their null sink "null", so its monitor is null.monitor.
if [ "$server" = pipewire ]; then
  mkdir -p "$XDG_CONFIG_HOME/pipewire/pipewire.conf.d"
  cat >"$XDG_CONFIG_HOME/pipewire/pipewire.conf.d/null-sink.conf" <<'CONF'
context.objects = [
  { factory = adapter
    args = { factory.name = support.null-audio-sink node.name = "null" media.class = "Audio/Sink"
             audio.position = [ FL FR ] } }
]
CONF
  # Without a login manager (a container, a CI root) WirePlumber's bluetooth part cannot watch
  # the seats, and WirePlumber then leaves PipeWire at once.
  mkdir -p "$XDG_CONFIG_HOME/wireplumber/bluetooth.lua.d"
  echo 'bluez_monitor.properties["with-logind"] = false' \
    >"$XDG_CONFIG_HOME/wireplumber/bluetooth.lua.d/51-no-logind.lua"
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
  dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile \
    >"$work/dbus.log" 2>&1 &
  SERVER_PIDS+=($!)
  for daemon in pipewire wireplumber pipewire-pulse; do
    sleep 0.3
    "$daemon" >"$work/$daemon.log" 2>&1 &
    SERVER_PIDS+=($!)
  done
else
  start_sound_server "$work/pulseaudio.log"
fi
# Ready once the null sink is the default, which on PipeWire only WirePlumber makes it; a stream
# opened before then is linked nowhere.
for _ in $(seq 200); do
  pactl info 2>/dev/null | grep -q "Default Sink: null" && break
  sleep 0.1
done
pactl info | grep -q "Default Sink: null" || {
  echo "FAIL: the sound server has no null sink as its default" >&2
  tail -n 20 "$work"/*.log >&2
  exit 1
}
start_xvfb 1024x768

# The loudest sample recorded, against full scale.
peak_of() {
  python3 -c 'import sys, array; a = array.array("h", open(sys.argv[1], "rb").read()); print(max(map(abs, a), default=0))' "$1"
}

# Plays a round from the menu, sweeping the square across the field until the round is lost or
# 20 seconds passed, while the null sink's monitor goes to the file named.
play_a_round() {
  parec -d null.monitor --format=s16le --channels=1 --rate=48000 --raw >"$1" &
  RECORD_PID=$!
  [ -z "${2:-}" ] || xdotool key --window "$menu" "$2"
  click_in "$menu" 108 252  # Play
  game=$(wait_for_window "Quibbet")
  for _ in $(seq 20); do
    for x in 40 200 360 520 680; do
      for y in 80 240 400; do
        move_in "$game" "$x" "$y"
        sleep 0.03
      done
    done
  done
  sleep 1
  kill "$RECORD_PID"
  RECORD_PID=
}

# Starts the game and lets its menu settle; ends it.
open_menu() {
  start_program "$program" 1
  menu=$(wait_for_window "Welcome To Quibbet 2")
  sleep 1
}
end_program() {
  kill "$PROGRAM_PID"
  wait "$PROGRAM_PID" 2>/dev/null || true
}

open_menu
play_a_round "$work/heard.raw"
heard=$(peak_of "$work/heard.raw")
[ "$heard" -gt 2000 ] || {
  echo "FAIL: a round played made no sound (peak $heard)"
  pactl list short sink-inputs >&2
  tail -n 20 "$work"/*.log >&2
  exit 1
}
pactl list sink-inputs | grep -q 'application.name = "Quibbet"' ||
  { echo "FAIL: the mixer does not show the game's stream as Quibbet's"; exit 1; }
end_program
if [ "$server" = pipewire ]; then
  echo "PASS: peak $heard in play on PipeWire"
  exit 0
fi

# M on the menu turns sound off, and the next run starts silent.
open_menu
xdotool key --window "$menu" m
for _ in $(seq 50); do
  ! grep -qs "sound=false" "$XDG_CONFIG_HOME/quibbet/quibbet.ini" || break
  sleep 0.1
done
end_program
grep -q "sound=false" "$XDG_CONFIG_HOME/quibbet/quibbet.ini" ||
  { echo "FAIL: M on the menu was not remembered"; exit 1; }
open_menu
play_a_round "$work/muted.raw"
muted=$(peak_of "$work/muted.raw")
[ "$muted" -lt 100 ] || { echo "FAIL: sound after M (peak $muted)"; exit 1; }
end_program

# No sound server: the game says so in one line and plays.
stop_sound_server
: >"$work/program.log"
start_program "$program" 1
menu=$(wait_for_window "Welcome To Quibbet 2")
click_in "$menu" 108 252
wait_for_window "Quibbet" >/dev/null
sleep 1
[ "$(wc -l <"$work/program.log")" -eq 1 ] && grep -q "playing silently" "$work/program.log" || {
  echo "FAIL: without a sound server the game should say so in one line"
  exit 1
}
echo "PASS: peak $heard in play, $muted after M"
