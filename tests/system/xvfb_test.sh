#!/usr/bin/env bash
# Starts the real program on a private Xvfb server, the way a user would start it.
# Usage: xvfb_test.sh PROGRAM PHRASE_SET_DIR SCREENSHOT_DIR
set -u
program=$(realpath "$1")
phrases=$(realpath "$2")
shots=$3
mkdir -p "$shots"
work=$(mktemp -d)
passed=0
failed=0
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check NAME COMMAND...: one named assertion
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name" >&2
  fi
}

# Wait up to $1 seconds for the command after it to succeed.
wait_for() {
  local limit=$1
  shift
  for ((i = 0; i < limit * 10; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 20 test -s "$work/display" || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM

find_window() {  # the id of the visible window titled "Zeziru Ridaz", waiting up to 20 s
  timeout 20 xdotool search --sync --onlyvisible --name '^Zeziru Ridaz$' 2>/dev/null | head -n1
}

window_size() { xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '; }

opens_centred_window_on_bundled_set() {
  (cd "$phrases" && exec "$program") >"$work/run.out" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local window
  window=$(find_window)
  check "the main window appears" test -n "$window"
  [ -n "$window" ] || return
  eval "$(xdotool getwindowgeometry --shell "$window")"
  check "client area is 545 x 416 pixels (got ${WIDTH}x${HEIGHT})" test "$WIDTH" = 545 -a "$HEIGHT" = 416
  check "window is centred (got $X,$Y)" test "$X" = 367 -a "$Y" = 304
  import -window "$window" "$shots/zeziru-ridaz-start.png"

  # Generate (the wide button), then a department and Generate again.
  xdotool mousemove --window "$window" 270 107 click 1
  sleep 0.5
  import -window "$window" "$shots/zeziru-ridaz-generated.png"
  xdotool mousemove --window "$window" 230 76 click 1 mousemove --window "$window" 270 107 click 1
  sleep 0.5
  import -window "$window" "$shots/zeziru-ridaz-personnel.png"
  check "the program is still running after the clicks" kill -0 "$pid"
  check "the screenshots were saved" test -s "$shots/zeziru-ridaz-personnel.png"
  kill "$pid"
  wait "$pid" 2>/dev/null
}

reports_missing_counts_file_and_exits_1() {
  mkdir -p "$work/empty"
  (cd "$work/empty" && exec "$program") >"$work/fail.out" 2>"$work/fail.err" &
  local pid=$!
  pids+=("$pid")
  check "the report reaches standard error" wait_for 20 grep -q "^Run-time error '53':" "$work/fail.err"
  local box
  box=$(find_window)
  check "a message box titled Zeziru Ridaz appears" test -n "$box"
  if [ -n "$box" ]; then
    local size
    size=$(window_size "$box")
    check "the box is not the main window ($size)" test "$size" != "WIDTH=545 HEIGHT=416 "
    import -window "$box" "$shots/zeziru-ridaz-startup-failure.png"
    xdotool windowfocus --sync "$box" key Return
  fi
  local status=0
  wait_for 20 sh -c "! kill -0 $pid 2>/dev/null"
  wait "$pid"
  status=$?
  check "the exit status is 1 (got $status)" test "$status" = 1
  check "no data file was created" test -z "$(ls -A "$work/empty")"
}

opens_centred_window_on_bundled_set
reports_missing_counts_file_and_exits_1

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
