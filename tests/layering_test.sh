#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The folders of src/ and tools/ form layers: no folder includes from a folder that includes it
# back, however long the way round. tsort fails on any such loop in the folders' include graph
# and otherwise prints the folders from the bottom layer up.
set -euo pipefail
cd "$(dirname "$0")/.."

for dir in src/*/ tools/*/; do
  { grep -rhoE '^#include "[a-z_]+/' "$dir" || true; } | sed -E 's/#include "//; s#/$##' | sort -u |
    sed "s#\$# $(basename "$dir")#"
done | tsort | tr '\n' ' '
echo
