#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Builds the program and opens it on the bundled phrase set.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default
cmake --build --preset default --target zeziru-ridaz
# The program reads its data files from the current directory.
cd build/phrases
exec ../zeziru-ridaz
