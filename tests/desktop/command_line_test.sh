#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's command line, with no display to be found: --help and --version answer and
# exit 0, and anything the game does not take is refused in one line with status 2.
set -uo pipefail

program=$(realpath "$1") version=$2
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}
# Prints the status and the number of lines on standard error; keeps both outputs in files.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >out 2>err
  echo "$? $(wc -l <err)"
}
cd "$(mktemp -d)" || exit 1

[ "$(run --help)" = "0 0" ] && grep -q -- "--version" out ||
  fail "--help: $(cat out err)"
[ "$(run --version)" = "0 0" ] && [ "$(cat out)" = "quibbet $version" ] ||
  fail "--version: $(cat out err)"
for wrong in --frobnicate -x extra; do
  [ "$(run "$wrong")" = "2 1" ] && [ ! -s out ] || fail "$wrong: $(cat out err)"
done
[ "$(run)" = "1 1" ] || fail "no display: $(cat err)"
[ "$failed" -eq 0 ] && echo PASS
