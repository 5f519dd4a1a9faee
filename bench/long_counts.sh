#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# A counts file with a field of 1 GiB of leading zeros (the second group, Financial): the time
# and peak memory of the text command reading it, and of the real program's click on Financial,
# on a private Xvfb.
#
# Usage: bench/long_counts.sh [BUILD_DIR] [ZEROS]
#   BUILD_DIR  a build with the program and the text command (default: build)
#   ZEROS      how many leading zeros (default 1073741824)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build}")
zeros=${2:-1073741824}
for file in "$build/zeziru-ridaz" "$build/zeziru-ridaz-text"; do
  [ -x "$file" ] || { echo "missing $file: build the program and the text command" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=
program=
cleanup() {
  local pid
  for pid in $program $xvfb; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

data=$work/data
mkdir "$data"
cp "$build"/phrases/?[123].dat "$data/"
{
  printf '12, 12, 12\n'
  head -c "$zeros" /dev/zero | tr '\0' '0'
  printf '13, 13, 13\n12, 12, 12\n12, 12, 12\n12, 12, 12\n'
} >"$data/zintok.dat"

/usr/bin/time -f '%e %M' -o "$work/cli" "$build/zeziru-ridaz-text" --data "$data" \
  --department fin --seed 1 >/dev/null
read -r seconds kib <"$work/cli"
echo "text command: ${seconds} s, peak ${kib} KiB"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for ((i = 0; i < 200; i++)); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

(cd "$data" && exec "$build/zeziru-ridaz") 2>"$work/program.log" &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zeziru Ridaz$' | head -n1)
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 0.5
cpu() { awk '{print $14 + $15}' "/proc/$program/stat"; }
ticks=$(getconf CLK_TCK)
before=$(cpu)
start=$(date +%s.%N)
xdotool mousemove --window "$window" 20 76 click 1
# The click is over once the program stops using the processor.
last=$before
while sleep 0.2; do
  now=$(cpu)
  [ "$now" = "$last" ] && [ "$now" != "$before" ] && break
  last=$now
done
end=$(date +%s.%N)
peak=$(awk '/VmHWM/ {print $2}' "/proc/$program/status")
awk -v c="$((last - before))" -v t="$ticks" -v s="$start" -v e="$end" -v p="$peak" \
  'BEGIN { printf "window click on Financial: %.2f s of processor, %.2f s until idle (+0.2), peak %d KiB\n", c / t, e - s - 0.2, p }'
