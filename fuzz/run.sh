#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# run.sh TARGET SECONDS [extra libFuzzer options...]
# Runs an already built fuzz target (build-fuzz/fuzz/TARGET, or $ZR_FUZZ_BUILD_DIR/fuzz/TARGET) on
# a scratch copy of its seed corpus in /tmp. Builds nothing and never writes into the repository:
# new inputs and crash artifacts land in the scratch directory, whose path is printed at the end.
set -euo pipefail
target=${1:?usage: run.sh TARGET SECONDS [libFuzzer options...]}
seconds=${2:?usage: run.sh TARGET SECONDS [libFuzzer options...]}
shift 2

here=$(cd "$(dirname "$0")" && pwd)
build=${ZR_FUZZ_BUILD_DIR:-$here/../build-fuzz}
binary=$build/fuzz/$target
case $target in
  fuzz_counts) seeds=$here/corpus/counts ;;
  fuzz_generate) seeds=$here/corpus/generate ;;
  *) echo "unknown target: $target" >&2; exit 2 ;;
esac
[[ -x $binary ]] || { echo "not built: $binary (cmake --build --preset fuzz)" >&2; exit 2; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zr_fuzz_run.$target.XXXXXX")
mkdir "$scratch/corpus"
cp "$seeds"/* "$scratch/corpus/"

status=0
(cd "$scratch" && "$binary" -max_total_time="$seconds" -rss_limit_mb=256 -timeout=1 \
  -print_final_stats=1 -artifact_prefix="$scratch/" "$@" "$scratch/corpus") || status=$?
echo "scratch directory: $scratch (corpus $(ls "$scratch/corpus" | wc -l) inputs)"
exit "$status"
