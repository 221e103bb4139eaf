#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The layers, from the bottom up, and the folders each one may include from. A folder may only
# name folders listed above it, so the order has no loop. The build holds src/ to the same order
# through each layer's include root; this also covers the web page, the benchmarks and the tools,
# and the ways round an include root.
set -euo pipefail
cd "$(dirname "$0")/.."

layers='
src/common
src/scores    common
src/game      common scores
src/storage   common scores
src/shell     common scores game
src/record    common scores game shell
src/frontend  common scores game shell
tools/sound   common scores game shell frontend
tools/replay  common scores game shell storage record
src/desktop   common scores game shell storage record frontend
web           common scores game shell frontend
tools/bake
tools/art
bench         common scores game shell record frontend desktop replay
'

failures=0
fail() {
  echo "$1"
  failures=$((failures + 1))
}

declare -A allowed=()
declare -A placed=()
while read -r folder uses; do
  [[ -n "$folder" ]] || continue
  for use in $uses; do
    [[ -n "${placed[$use]:-}" ]] || fail "$folder uses $use, which is not listed below it"
  done
  allowed[$folder]=" $(basename "$folder") $uses "
  placed[$(basename "$folder")]=1
done <<<"$layers"

for folder in src/*/ tools/*/; do
  folder=${folder%/}
  [[ -n "${allowed[$folder]:-}" ]] || fail "$folder has no place in the layers"
done

for folder in "${!allowed[@]}"; do
  while IFS=: read -r file used; do
    [[ "${allowed[$folder]}" == *" $used "* ]] || fail "$file includes from $used"
  done < <(grep -rEo '^#include "[a-z_]+/' --include='*.h' --include='*.cpp' "$folder" |
    sed -E 's/#include "//; s#/$##' | sort -u)
done

# Ways round the include roots, and the shipped program naming a tool.
grep -rEn '^#include "\.\.?/' src web tools bench && fail "an include climbs out of its folder"
grep -rn 'tools/' src && fail "src/ names a path in tools/"
# The page loads only what its own folder holds.
grep -En '^import .* from "' web/*.js | grep -v 'from "\./' && fail "the web page imports from outside web/"

if ((failures > 0)); then
  exit 1
fi
echo "layers hold"
