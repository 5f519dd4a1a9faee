#!/usr/bin/env bash
# Installs the build into a scratch root and checks what a desktop user gets.
# Usage: install_test.sh BUILD_DIR PREFIX
set -u
build=$1
prefix=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
passed=0
failed=0
check() {
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name" >&2; fi
}

DESTDIR="$root" cmake --install "$build" >/dev/null || { echo "install failed" >&2; exit 1; }
dest="$root$prefix"
entry="$dest/share/applications/zeziru-ridaz.desktop"
check "the program is installed" test -x "$dest/bin/zeziru-ridaz"
check "the phrase set is installed" test "$(ls "$dest/share/zeziru-ridaz" | wc -l)" = 16
check "the icon is installed" test -s "$dest/share/pixmaps/zeziru-ridaz.xpm"
check "the desktop entry starts the program" grep -qx "Exec=$prefix/bin/zeziru-ridaz" "$entry"
check "the desktop entry starts it in the phrase set" grep -qx "Path=$prefix/share/zeziru-ridaz" "$entry"
check "the desktop entry names the icon" grep -qx "Icon=zeziru-ridaz" "$entry"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
