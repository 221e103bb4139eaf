#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test under libfiu's wrappers of the C library, with no remote control. A test built with
# AddressSanitizer needs its runtime first among the preloaded libraries: the wrappers' own
# malloc would otherwise take the sanitizer's place.
set -euo pipefail
fiu_run=$1
shift
asan=$(ldd "$1" | awk '/libasan/ {print $3}')
if [ -z "$asan" ]; then
  exec "$fiu_run" -x -f "" "$@"
fi
exec "$fiu_run" -x -f "" /bin/sh -c 'export LD_PRELOAD="$0 $LD_PRELOAD"; exec "$@"' "$asan" "$@"
