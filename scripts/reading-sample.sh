#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Lines for a reading round of the bundled phrase set: 100 lines of each department, made by the
# text command from a seed, numbered, for a reader to mark OK, awkward or broken.
# Usage: scripts/reading-sample.sh [SEED [BUILD_DIR]]   (SEED: default from the clock, printed)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seed=${1:-$(date +%s)}
build=${2:-$here/build}
text=$build/zeziru-ridaz-text
[ -x "$text" ] || { echo "missing $text: build the target zeziru-ridaz-text" >&2; exit 1; }
echo "# seed $seed"
for department in Executive Financial Marketing Personnel Technical; do
  echo "# $department"
  # 100 lines made as texts of twelve are, so that no phrase comes twice within twelve lines.
  "$text" --data "$build/phrases" --department "$department" --seed "$seed" --lines 100 |
    nl -w3 -s'  '
done
