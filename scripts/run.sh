#!/usr/bin/env bash
# Builds the program and opens it on the bundled phrase set.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default
cmake --build --preset default --target zeziru-ridaz
# The program reads its data files from the current directory.
cd build/phrases
exec ../zeziru-ridaz
