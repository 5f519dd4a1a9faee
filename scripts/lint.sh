#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# The project's own checks, each of which must find nothing: clang-tidy over every C++ file of the
# build (.clang-tidy says which checks), clazy's level 0 and 1 checks over the files that use Qt,
# and reuse lint for the licence of every file.
# Usage: scripts/lint.sh [BUILD_DIR]   (a configured build; default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
build=${1:-build}
bash scripts/deps.sh
[ -f "$build/compile_commands.json" ] || cmake --preset default
# Generated headers (moc, the phrase set) must exist before the analysers read the sources.
cmake --build "$build" -j2

echo "== reuse lint"
reuse lint

echo "== clang-tidy"
run-clang-tidy -p "$build" -quiet -j 2 \
  "^$top/(runtime|core|data|ui|print|cli|tests|bench)/.*\.cpp$" >"$build/clang-tidy.log" 2>&1 || {
  grep -E 'warning:|error:' -A3 "$build/clang-tidy.log" >&2 || cat "$build/clang-tidy.log" >&2
  echo "clang-tidy found the problems above" >&2
  exit 1
}
echo "clang-tidy: no finding"

echo "== clazy (level 0 and 1)"
# Every file of the build that is compiled against Qt. GoogleTest's and Google Benchmark's
# registration macros define non-POD statics by design, so the tests and benchmarks go without
# that one check.
qt_files() {  # qt_files PATTERN: the Qt sources of the build whose path matches
  python3 - "$build/compile_commands.json" "$top" "$1" <<'PY'
import json, re, sys
commands, top, pattern = json.load(open(sys.argv[1])), sys.argv[2] + "/", re.compile(sys.argv[3])
files = {c["file"] for c in commands if "QT_CORE_LIB" in c["command"] and "_autogen" not in c["file"]}
print("\n".join(sorted(f for f in files if f.startswith(top) and pattern.match(f[len(top):]))))
PY
}
run_clazy() {  # run_clazy CHECKS PATTERN
  qt_files "$2" | xargs -r -P 2 -I{} clazy-standalone -checks="$1" -ignore-dirs='^/usr/' \
    -p "$build/compile_commands.json" {} >>"$build/clazy.log" 2>&1 || true
}
: >"$build/clazy.log"
run_clazy level0,level1 '(ui|print|cli)/'
run_clazy level0,level1,no-non-pod-global-static '(tests|bench)/'
if grep -E 'warning:|error:' "$build/clazy.log" >&2; then
  echo "clazy found the problems above" >&2
  exit 1
fi
echo "clazy: no finding in $(qt_files '' | wc -l) files"
