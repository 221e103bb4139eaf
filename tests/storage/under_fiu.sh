#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test under libfiu's wrappers of the C library, with no remote control. AddressSanitizer
# wants its runtime first among the libraries, which preloading puts before it.
set -euo pipefail
fiu_run=$1
shift
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
exec "$fiu_run" -x -f "" "$@"
