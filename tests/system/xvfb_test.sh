#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Starts the real program on a private Xvfb server, the way a user would start it.
# Usage: xvfb_test.sh PROGRAM PHRASE_SET_DIR SCREENSHOT_DIR
set -u
program=$(realpath "$1")
phrases=$(realpath "$2")
shots=$3
mkdir -p "$shots"
source "$(dirname "$0")/checks.sh"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 20 test -s "$work/display" || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM

find_window() {  # the id of the visible window titled "Zeziru Ridaz", waiting up to 20 s
  timeout 20 xdotool search --sync --onlyvisible --name '^Zeziru Ridaz$' 2>/dev/null | head -n1
}

window_size() { xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '; }

open_window() {  # open_window WHERE [VAR=VALUE...]: the program in the phrase set; sets $window
  local where=$1
  shift
  (cd "$phrases" && exec env "$@" "$program") >"$work/run.out" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  window=$(find_window)
  check "the main window appears $where" test -n "$window"
  [ -n "$window" ]
}

stop_program() {
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
}

opens_centred_window_on_bundled_set() {
  open_window "on the bundled set" || return
  eval "$(xdotool getwindowgeometry --shell "$window")"
  check "client area is 545 x 416 pixels (got ${WIDTH}x${HEIGHT})" test "$WIDTH" = 545 -a "$HEIGHT" = 416
  check "window is centred without a frame (got $X,$Y)" test "$X" = 367 -a "$Y" = 304
  import -window "$window" "$shots/zeziru-ridaz-start.png"

  # Generate (the wide button), then a department and Generate again.
  xdotool mousemove --window "$window" 270 107 click 1
  sleep 0.5
  import -window "$window" "$shots/zeziru-ridaz-generated.png"
  xdotool mousemove --window "$window" 230 76 click 1 mousemove --window "$window" 270 107 click 1
  sleep 0.5
  import -window "$window" "$shots/zeziru-ridaz-personnel.png"
  check "the program is still running after the clicks" kill -0 "$program_pid"
  check "the screenshots were saved" test -s "$shots/zeziru-ridaz-personnel.png"
  stop_program
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

# The highest WCAG contrast against the window's grey of any pixel in IMAGE's area WxH+X+Y, times 10.
clearest_contrast() {
  convert "$1" -crop "$2" +repage -depth 8 txt:- | awk -F'[(),]' '
    function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    NR > 1 {
      l = 0.2126 * lin($4) + 0.7152 * lin($5) + 0.0722 * lin($6); g = 0.527115
      r = l > g ? (l + 0.05) / (g + 0.05) : (g + 0.05) / (l + 0.05)
      if (r > best) best = r
    }
    END { printf "%d\n", best * 10 }'
}

frame_is_centred() {  # the window manager's frame around $1 stands in the middle of the screen
  local parent
  parent=$(xwininfo -tree -id "$1" | awk '/Parent window id/ {print $4}')
  eval "$(xwininfo -id "$parent" | awk '/Absolute upper-left X/ {print "fx=" $NF}
    /Absolute upper-left Y/ {print "fy=" $NF} /Width/ {print "fw=" $NF} /Height/ {print "fh=" $NF}')"
  local dx=$((2 * fx + fw - 1280)) dy=$((2 * fy + fh - 1024))
  frame="${fw}x${fh}+${fx}+${fy}"
  [ "$fh" -gt 416 ] && [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ]
}

# A launcher that closed its end of standard error: Qt's warning about XDG_RUNTIME_DIR, the first
# thing written there, must not end the program. Descriptor 4 writes into a FIFO whose only
# reader, descriptor 3, is closed.
keeps_running_when_standard_error_is_gone() {
  mkfifo "$work/gone"
  (exec 3<>"$work/gone" 4>"$work/gone" 3>&-; cd "$phrases" &&
    exec env -u XDG_RUNTIME_DIR "$program" 2>&4 4>&-) >/dev/null &
  program_pid=$!
  pids+=("$program_pid")
  window=$(find_window)
  check "with standard error a closed pipe, the main window appears" test -n "$window"
  check "with standard error a closed pipe, the program keeps running" kill -0 "$program_pid"
  stop_program
}

# Openbox's own placement centres a new window on an empty screen, which would hide a program
# that does not centre itself: this configuration places windows at the top left instead.
centres_its_frame_under_a_window_manager() {
  cat >"$work/openbox.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <placement><policy>Smart</policy><center>no</center></placement>
</openbox_config>
XML
  openbox --sm-disable --config-file "$work/openbox.xml" >"$work/openbox.log" 2>&1 &
  local wm=$!
  pids+=("$wm")
  sleep 1
  if open_window "under openbox"; then
    frame=""
    wait_for 5 frame_is_centred "$window"
    check "the framed window is centred to within two pixels (frame $frame)" frame_is_centred "$window"
    import -window root "$shots/zeziru-ridaz-openbox.png"
  fi
  stop_program
  kill "$wm"
  wait "$wm" 2>/dev/null
}

captions_stay_readable_under_a_dark_theme() {
  if [ ! -e "$(qtpaths6 --plugin-dir 2>/dev/null)/platformthemes/libqgtk3.so" ]; then
    echo "SKIPPED: dark theme (Qt's GTK platform theme is not installed)"
    return
  fi
  open_window "under Adwaita-dark" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark || return
  sleep 0.5
  local shot="$shots/zeziru-ridaz-adwaita-dark.png"
  import -window "$window" "$shot"
  # The text box takes the theme's dark base; the captions on the grey must still read (>= 4.5:1).
  check "the theme reached the window" test "$(clearest_contrast "$shot" 200x100+100+200)" -ge 45
  local area
  for area in 94x20+28+47 94x21+28+66 57x17+473+101 60x15+22+100; do
    check "caption at $area reads on the grey" test "$(clearest_contrast "$shot" "$area")" -ge 45
  done
  stop_program
}

stays_whole_when_scaled() {
  local row factor size strip
  for row in 1.5:818x624 2:1090x832; do
    IFS=: read -r factor size <<<"$row"
    open_window "at scale $factor" QT_SCALE_FACTOR="$factor" || continue
    eval "$(xdotool getwindowgeometry --shell "$window")"
    check "at scale $factor the window is $size (got ${WIDTH}x${HEIGHT})" test "${WIDTH}x${HEIGHT}" = "$size"
    local shot="$shots/zeziru-ridaz-scale-$factor.png"
    import -window "$window" "$shot"
    # Nothing is cut at the right edge of the size caption or of the rightmost option: their last
    # two device pixels are plain grey.
    for strip in $(awk -v f="$factor" 'BEGIN {
        printf "2x%d+%d+%d 2x%d+%d+%d", 17 * f, 530 * f - 2, 101 * f, 20 * f, 539 * f - 2, 47 * f }'); do
      check "at scale $factor nothing is cut at $strip" test "$(clearest_contrast "$shot" "$strip")" -lt 12
    done
    stop_program
  done
}

answers_a_screen_reader() {
  if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIPPED: screen reader check (python3-pyatspi is not installed)"
    return
  fi
  # An earlier program's accessibility bus, long gone, may still be named on the root window.
  xprop -root -remove AT_SPI_BUS
  check "a screen reader sees the frame, toggles a department and steps the size" \
    timeout 60 dbus-run-session -- bash -c '
      (cd "$1" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$2") >"$3/atspi-program.out" 2>&1 &
      pid=$!
      /usr/bin/python3 "$4" "$1"
      status=$?
      kill $pid
      exit $status' _ "$phrases" "$program" "$work" "$(dirname "$0")/atspi_check.py" \
    2>"$work/atspi.err"
  grep -v -e 'fd limit' -e 'Activating service' -e 'Successfully activated' \
    -e 'SpiRegistry daemon' -e QStandardPaths "$work/atspi.err" "$work/atspi-program.out" >&2 || true
}

opens_centred_window_on_bundled_set
reports_missing_counts_file_and_exits_1
keeps_running_when_standard_error_is_gone
centres_its_frame_under_a_window_manager
captions_stay_readable_under_a_dark_theme
stays_whole_when_scaled
answers_a_screen_reader

finish
