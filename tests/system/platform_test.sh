#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Starts the real program where a window may not be possible: no display at all (also with
# standard error a pipe nobody reads), an X display of 8-bit colour, a Wayland-only session (a
# headless weston), and that session with the Wayland platform plugin hidden.
# Usage: platform_test.sh PROGRAM PHRASE_SET_DIR. Exits 77 (skipped) when weston cannot start.
set -u
program=$(realpath "$1")
phrases=$(realpath "$2")
source "$(dirname "$0")/checks.sh"

# Runs the program with the given environment changes for at most $1 seconds; sets status and
# leaves standard error in $work/err.
run() {
  local seconds=$1
  shift
  (cd "$phrases" && ulimit -c 0 && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    -u QT_QPA_PLATFORM_PLUGIN_PATH -u QT_PLUGIN_PATH "$@" timeout -s TERM "$seconds" "$program") \
    >/dev/null 2>"$work/err"
  status=$?
}

one_line_and_status_1() {  # one_line_and_status_1 WHAT: the checks of a refused start
  check "$1: exit status 1, not an abort (got $status)" test "$status" = 1
  check "$1: one line on standard error ($(wc -l <"$work/err"))" test "$(wc -l <"$work/err")" = 1
  check "$1: it names what is missing: $(cat "$work/err")" grep -q "$2" "$work/err"
}

run 20
one_line_and_status_1 "no display" "^zeziru-ridaz: cannot open a window: no display"
run 20 DISPLAY=:97
one_line_and_status_1 "a display that does not answer" "cannot open a window: .*display :97"

# The reader of standard error gone before the report is written: the write fails, the status
# stays. Descriptor 4 writes into a FIFO whose only reader, descriptor 3, is closed.
mkfifo "$work/gone"
status=0
(exec 3<>"$work/gone" 4>"$work/gone" 3>&-; cd "$phrases" && exec env -u DISPLAY -u WAYLAND_DISPLAY \
  -u QT_QPA_PLATFORM timeout 20 "$program" 2>&4 4>&-) >/dev/null || status=$?
check "no display, standard error a closed pipe: exit status 1, not SIGPIPE (got $status)" \
  test "$status" = 1

# Qt paints nothing on fewer than 15 bits a pixel.
Xvfb -displayfd 3 -screen 0 640x480x8 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
if wait_for 20 test -s "$work/display"; then
  run 20 DISPLAY=":$(head -n1 "$work/display")"
  one_line_and_status_1 "an 8-bit display" "cannot open a window: the screen has 8-bit colour"
else
  check "Xvfb starts at 8 bits a pixel: $(cat "$work/xvfb.log")" false
fi

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=zr-wayland --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 100; i++)); do [ -S "$XDG_RUNTIME_DIR/zr-wayland" ] && break; sleep 0.1; done
if [ ! -S "$XDG_RUNTIME_DIR/zr-wayland" ]; then
  echo "SKIPPED: weston did not start" >&2
  cat "$work/weston.log" >&2
  exit 77
fi

# Still running when the time is up means the window opened: Qt aborts at once otherwise. The
# compositor's configure event shows the window reached it.
run 4 WAYLAND_DISPLAY=zr-wayland QT_LOGGING_RULES=qt.qpa.wayland=true
check "Wayland only: still running after 4 s (status $status)" test "$status" = 124
check "Wayland only: the compositor configured the window" \
  grep -q "xdg_toplevel.configure" "$work/err"
check "Wayland only: no other messages: $(grep -v '^qt\.qpa\.wayland' "$work/err")" \
  test -z "$(grep -v '^qt\.qpa\.wayland' "$work/err")"

# The plugin hidden the way a machine without qt6-wayland lacks it: in a private mount namespace
# the platform plugin folder shows only the X11 plugin.
plugins=$(ls -d /usr/lib/*/qt6/plugins/platforms 2>/dev/null | head -n1)
mkdir "$work/x11-only"
cp "$plugins/libqxcb.so" "$work/x11-only/"
if unshare --mount true 2>/dev/null; then
  status=0
  (cd "$phrases" && ulimit -c 0 && exec env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=zr-wayland \
    unshare --mount sh -c 'mount --bind "$1" "$2" && exec timeout 20 "$3"' sh \
    "$work/x11-only" "$plugins" "$program") >/dev/null 2>"$work/err" || status=$?
  one_line_and_status_1 "Wayland without its plugin" "Wayland session.*install qt6-wayland"
else
  echo "not run: Wayland without its plugin (no private mount namespace here)" >&2
fi

finish
