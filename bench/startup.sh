#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Start-up of the real program against a Qt window of the same size that shows one text label (and
# an empty one), on a private Xvfb: process start to first fully painted window, and peak resident
# memory half a second later.
#
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [OUT_JSON]
#   BUILD_DIR  a build with ZR_BUILD_UI and ZR_BUILD_BENCH on (default: build-bench)
#   RUNS       runs of each program, alternating, after one discarded warm-up run each (default 15)
#   OUT_JSON   where to write every sample, for bench/window_table.py (default: not kept)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build-bench}")
runs=${2:-15}
program=$build/zeziru-ridaz
bare=$build/bench/zr_bare_window
probe=$build/bench/zr_wait_window
phrases=$build/phrases
for file in "$program" "$bare" "$probe"; do
  [ -x "$file" ] || { echo "missing $file: build the targets zeziru-ridaz zr_bare_window zr_wait_window" >&2; exit 1; }
done

work=$(mktemp -d)
out=${3:-}
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for ((i = 0; i < 200; i++)); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
# A private runtime directory, so Qt does not complain and nothing lands in a shared one.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

before=$(ls -lA --time-style=full-iso "$phrases")

# Both programs start in the phrase directory, the real program's working directory.
measure() {  # measure NAME TITLE COMMAND...: one run, one line "NAME first_paint_ms=... ..."
  local name=$1 title=$2
  shift 2
  local line
  line=$(cd "$phrases" && "$probe" --settle 500 "$title" "$@" 2>>"$work/stderr")
  echo "$name $line"
}

programs=(real label bare)
run_one() {
  case $1 in
    real) measure real "Zeziru Ridaz" "$program" ;;
    bare) measure bare "Zeziru Ridaz bare" "$bare" ;;
    label) measure label "Zeziru Ridaz bare" "$bare" --label ;;
  esac
}

for name in "${programs[@]}"; do run_one "$name" >/dev/null; done  # warm-up: caches, not counted
for ((i = 0; i < runs; i++)); do
  for name in "${programs[@]}"; do run_one "$name" | tee -a "$work/samples"; done
done

after=$(ls -lA --time-style=full-iso "$phrases")
[ "$before" = "$after" ] || { echo "the phrase directory changed during the runs" >&2; exit 1; }

python3 - "$work/samples" "${out:-$work/startup.json}" <<'PY'
import json, statistics, sys
samples = {}
for line in open(sys.argv[1]):
    name, *fields = line.split()
    run = {k: float(v) for k, v in (f.split("=") for f in fields)}
    for key, value in run.items():
        samples.setdefault(name, {}).setdefault(key, []).append(value)
json.dump(samples, open(sys.argv[2], "w"), indent=1)
med = {n: {k: statistics.median(v) for k, v in s.items()} for n, s in samples.items()}
real, label, bare = med["real"], med["label"], med["bare"]
print(f"first paint, median of {len(samples['real']['first_paint_ms'])}: "
      f"real {real['first_paint_ms']:.1f} ms, one-label window {label['first_paint_ms']:.1f} ms "
      f"({real['first_paint_ms'] / label['first_paint_ms']:.2f}x), "
      f"empty window {bare['first_paint_ms']:.1f} ms")
print(f"peak RSS (VmHWM), median: real {real['vmhwm_kib'] / 1024:.2f} MiB, one-label window "
      f"{label['vmhwm_kib'] / 1024:.2f} MiB ({(real['vmhwm_kib'] - label['vmhwm_kib']) / 1024:+.2f} MiB), "
      f"empty window {bare['vmhwm_kib'] / 1024:.2f} MiB")
PY
[ -n "$out" ] && echo "samples: $out"
exit 0
