#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Builds everything and runs every test: a short fuzzing run of each target, the whole suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the whole suite in the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

echo "== Fuzzing (60 s a target)"
cmake --preset fuzz
cmake --build --preset fuzz
for target in fuzz_counts fuzz_generate; do
  bash fuzz/run.sh "$target" 60
done

echo "== Sanitizers"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

echo "== Tests"
cmake --preset default
cmake --build --preset default
ctest --preset default
