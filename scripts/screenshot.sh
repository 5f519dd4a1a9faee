#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Remakes doc/screenshot.png: the real program on a private Xvfb server under openbox, after one
# Generate click on the bundled phrase set. Run it after any change of the layout.
# Usage: scripts/screenshot.sh [BUILD_DIR]   (default: build; built here when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bash scripts/deps.sh
[ -x "$build/zeziru-ridaz" ] || { cmake --preset default && cmake --build --preset default --target zeziru-ridaz; }
program=$(realpath "$build/zeziru-ridaz")
phrases=$(realpath "$build/phrases")
out=$PWD/doc/screenshot.png

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
(cd "$phrases" && exec "$program") &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zeziru Ridaz$' | head -n1)
sleep 1
# The Generate button's centre, in pixels of the client area at 96 dpi.
xdotool mousemove --window "$window" 270 107 click 1 mousemove --window "$window" 5 5
sleep 1
# The frame openbox draws is the window's parent; take it with the frame.
frame=$(xwininfo -id "$window" -children | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
import -window "${frame:-$window}" "$work/shot.png"
convert "$work/shot.png" -strip -define png:exclude-chunks=date,time "$out"
echo "Wrote $out"
