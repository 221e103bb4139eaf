#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's command line, with no display to be found: --help and --version answer and
# exit 0, and anything the game does not take is refused in one line with status 2. A display
# that does not answer, X11 or Wayland, stops the game in one line with status 1, and a
# recording asked for then leaves no file behind. A recording
# that would replace a file, or write into something that is not a regular file, is refused the
# same way before any window opens, and leaves every file as it was.
set -uo pipefail

program=$(realpath "$1") version=$2
# A sanitizer build's program that stops at start leaves the libraries' own caches unreleased.
export LSAN_OPTIONS=suppressions=$(realpath "$(dirname "$0")")/lsan.supp:print_suppressions=0
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}
# Prints the status and the number of lines on standard error; keeps both outputs in
# $outputs. run_with takes the display variables first, up to "--".
run_with() {
  local variables=()
  while [ "$1" != -- ]; do
    variables+=("$1")
    shift
  done
  shift
  timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${variables[@]}" \
    "$program" "$@" >"$outputs/out" 2>"$outputs/err"
  echo "$? $(wc -l <"$outputs/err")"
}
run() {
  run_with -- "$@"
}
outputs=$(mktemp -d) && cd "$outputs" || exit 1
export XDG_RUNTIME_DIR=$outputs/runtime XDG_DATA_HOME=$outputs/data XDG_CONFIG_HOME=$outputs/config
mkdir -m 700 "$XDG_RUNTIME_DIR"

[ "$(run --help)" = "0 0" ] && grep -q -- "--version" out && grep -q -- "--record" out &&
  grep -q -- "--overwrite" out ||
  fail "--help: $(cat out err)"
[ "$(run --version)" = "0 0" ] && [ "$(cat out)" = "quibbet $version" ] ||
  fail "--version: $(cat out err)"
for wrong in --frobnicate -x extra; do
  [ "$(run "$wrong")" = "2 1" ] && [ ! -s out ] || fail "$wrong: $(cat out err)"
done
[ "$(run)" = "1 1" ] || fail "no display: $(cat err)"

# Each case: the display variables of a display that does not answer.
silent_displays=(
  "DISPLAY=:98"
  "QT_QPA_PLATFORM=xcb"
  "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere"
)
quiet=$(mktemp -d) && cd "$quiet" || exit 1
for display in "${silent_displays[@]}"; do
  # shellcheck disable=SC2086
  [ "$(run_with $display -- --record silent.txt)" = "1 1" ] &&
    grep -q "the display cannot be opened" "$outputs/err" || fail "$display: $(cat "$outputs/err")"
  [ -z "$(ls -A)" ] || fail "$display left $(ls -A)"
done
cd "$outputs" && rm -rf "$quiet"

# Each case: what is in the folder beforehand, the arguments, and what the refusal names.
refusals=(
  "echo old >rec.txt|--record rec.txt|rec.txt already exists"
  "echo old >rec.txt.jsonl|--record rec.txt|rec.txt.jsonl already exists"
  "mkfifo rec.txt|--record rec.txt|rec.txt: not a regular file"
  "mkfifo rec.txt|--record rec.txt --overwrite|rec.txt: not a regular file"
  "echo old >rec.txt; mkfifo rec.txt.jsonl|--record rec.txt --overwrite|rec.txt.jsonl: not a regular file"
  "mkdir rec.txt|--record rec.txt --overwrite|rec.txt: not a regular file"
  ":|--record /dev/null --overwrite|/dev/null: not a regular file"
  ":|--record nowhere/rec.txt|nowhere/rec.txt: No such file or directory"
  ":|--overwrite|--overwrite goes with --record"
)
# Every name in the folder with its kind, size and time of last change.
folder_state() {
  find "$1" -mindepth 1 -printf '%y %s %T@ %p\n' | sort
}
scratch=$PWD
for refusal in "${refusals[@]}"; do
  IFS='|' read -r setup arguments names <<<"$refusal"
  folder=$(mktemp -d) && cd "$folder" || exit 1
  eval "$setup"
  before=$(folder_state .)
  # A display is offered, so only the refusal keeps the game from starting; a hang fails.
  # shellcheck disable=SC2086
  timeout 10 env QT_QPA_PLATFORM=offscreen "$program" $arguments >"$scratch/out" 2>"$scratch/err"
  status=$?
  [ "$status" -eq 2 ] && [ "$(wc -l <"$scratch/err")" -eq 1 ] && grep -qF -- "$names" "$scratch/err" ||
    fail "$arguments after '$setup': status $status, $(cat "$scratch/err")"
  [ "$(folder_state .)" = "$before" ] || fail "$arguments after '$setup' changed the folder"
  cd "$scratch" && rm -rf "$folder"
done
[ "$failed" -eq 0 ] && echo PASS
