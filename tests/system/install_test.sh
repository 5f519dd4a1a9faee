#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Installs the build into scratch roots and checks what a desktop user gets: the programs, the
# phrase set, a menu entry that starts the program in it, the icons, the metainfo, the man pages.
# Usage: install_test.sh BUILD_DIR PREFIX
set -u
build=$1
prefix=$2
id=org.zeziruridaz.ZeziruRidaz
source "$(dirname "$0")/checks.sh"

# Succeeds when the command succeeds and prints nothing at all: hints and warnings count.
silent() {
  local out
  out=$("$@" 2>&1) && [ -z "$out" ] && return 0
  echo "$out" >&2
  return 1
}

# appstreamcli passes pedantically. The one note it may give: the id keeps the capitals of the
# desktop entry's name, which installed menus and the running window already use. AppStream
# before 1.0 (Debian 12) does not know the <developer> element that replaced <developer_name>,
# and says so in a note of its own.
validates() {
  local out allowed='cid-contains-uppercase-letter'
  appstreamcli --version | grep -q 'version: 0\.' && allowed+='|unknown-tag developer$'
  out=$(appstreamcli validate --pedantic --no-net "$1" 2>&1) &&
    ! grep -E '^[EWIP]:' <<<"$out" | grep -Eqv "$allowed" && return 0
  echo "$out" >&2
  return 1
}

png_is_square() {  # png_is_square FILE SIZE: the width and height in the PNG header
  [ "$(xxd -p -s 12 -l 12 "$1" 2>/dev/null)" = "49484452$(printf '%08x%08x' "$2" "$2")" ]
}

DESTDIR="$work/configured" cmake --install "$build" >/dev/null || { echo "install failed" >&2; exit 1; }
dest="$work/configured$prefix"
entry="$dest/share/applications/$id.desktop"
metainfo="$dest/share/metainfo/$id.metainfo.xml"
check "the program is installed" test -x "$dest/bin/zeziru-ridaz"
check "the phrase compiler is installed" test -x "$dest/bin/zeziru-ridaz-phrasec"
check "the text command is installed" test -x "$dest/bin/zeziru-ridaz-text"
if [ "${ZR_INSTALL_BASH_COMPLETION:-ON}" = ON ]; then
  check "the text command's bash completion is installed where bash-completion looks" \
    grep -q "complete -F _zeziru_ridaz_text zeziru-ridaz-text" \
    "$dest/share/bash-completion/completions/zeziru-ridaz-text"
fi
check "the metainfo provides the text command" \
  grep -q "<binary>zeziru-ridaz-text</binary>" "$metainfo"
set_files() { find "$1" -maxdepth 1 -type f -name '*.dat' | wc -l; }
check "the phrase set is installed" test "$(set_files "$dest/share/zeziru-ridaz")" = 16
for built in "$build"/phrases/*/zintok.dat; do
  [ -e "$built" ] || continue
  language=$(basename "$(dirname "$built")")
  check "the $language phrase set is installed beside it" \
    test "$(set_files "$dest/share/zeziru-ridaz/$language")" = 16
done
menu=$prefix/libexec/zeziru-ridaz/zeziru-ridaz-menu
check "the desktop entry starts the menu command" grep -qx "Exec=$menu" "$entry"
check "the menu command is installed" test -x "$work/configured$menu"
check "the desktop entry's actions open each language" \
  test "$(grep -c "^Exec=$menu \(en\|fr\|es\)$" "$entry")" = 3
check "the desktop entry starts it in the phrase set" \
  grep -qx "Path=$prefix/share/zeziru-ridaz" "$entry"
check "the desktop entry names the icon" grep -qx "Icon=$id" "$entry"
check "the desktop entry has keywords" grep -q "^Keywords=." "$entry"
check "the desktop entry opens no terminal" grep -qx "Terminal=false" "$entry"
check "desktop-file-validate has no error, warning or hint" silent desktop-file-validate "$entry"
check "the metainfo launches the desktop entry" \
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
check "appstreamcli validates the metainfo pedantically" validates "$metainfo"
summary=$(sed -n 's|.*<summary>\(.*\)</summary>.*|\1|p' "$metainfo")
check "the summary fits the 35 characters software centres show" test "${#summary}" -le 35
for size in 16 22 24 32 48 64 128 256 512; do
  check "the hicolor icon ${size}x$size" \
    png_is_square "$dest/share/icons/hicolor/${size}x$size/apps/$id.png" "$size"
done
check "the scalable icon" grep -q "<svg" "$dest/share/icons/hicolor/scalable/apps/$id.svg"
for page in zeziru-ridaz zeziru-ridaz-phrasec zeziru-ridaz-text; do
  check "man page $page renders without a warning" \
    silent groff -man -ww -z -Tutf8 "$dest/share/man/man1/$page.1"
done

# A prefix given only to `cmake --install`: the entry must follow it.
moved=/opt/zeziru-ridaz-elsewhere
DESTDIR="$work/moved" cmake --install "$build" --prefix "$moved" >/dev/null ||
  { echo "install with --prefix failed" >&2; exit 1; }
check "the desktop entry follows the install-time prefix" \
  grep -qx "Path=$moved/share/zeziru-ridaz" "$work/moved$moved/share/applications/$id.desktop"
check "the phrase set is under the install-time prefix" \
  test -s "$work/moved$moved/share/zeziru-ridaz/zintok.dat"
# The menu command for real, under a prefix of its own, with the window replaced by a stand-in
# that tells where it was started: the desktop's language, or the action's, picks the set.
real=$work/real
cmake --install "$build" --prefix "$real" >/dev/null || { echo "install into $real failed" >&2; exit 1; }
for language in fr es; do
  [ -e "$real/share/zeziru-ridaz/$language/zintok.dat" ] ||
    { mkdir -p "$real/share/zeziru-ridaz/$language" && : >"$real/share/zeziru-ridaz/$language/zintok.dat"; }
done
printf '#!/bin/sh\npwd\n' >"$real/bin/zeziru-ridaz"
# environment|argument|the set it opens
menu_cases=(
  "LANG=fr_FR.UTF-8||fr"
  "LANG=es_ES.UTF-8||es"
  "LANG=de_DE.UTF-8||en"
  "LANG=en_GB.UTF-8||en"
  "||en"
  "LANG=C.UTF-8 LANGUAGE=fr||en"
  "LANG=de_DE.UTF-8 LANGUAGE=de:es:fr||es"
  "LC_ALL=fr_CA.UTF-8 LANG=es_ES.UTF-8||fr"
  "LC_MESSAGES=es_MX.UTF-8 LANG=fr_FR.UTF-8||es"
  "LANG=fr_FR.UTF-8|es|es"
  "LANG=es_ES.UTF-8|en|en"
  "LANG=fr_FR.UTF-8|../fr|en"
)
for row in "${menu_cases[@]}"; do
  IFS='|' read -r environment argument expected <<<"$row"
  directory=$real/share/zeziru-ridaz
  [ "$expected" = en ] || directory=$directory/$expected
  # shellcheck disable=SC2086  # the environment is words
  started=$(cd / && env -i $environment "$real/libexec/zeziru-ridaz/zeziru-ridaz-menu" \
    ${argument:+"$argument"} 2>/dev/null)
  check "the menu command with '$environment' '$argument' opens the $expected set" \
    test "$started" = "$directory"
done

twelve_lines() { [ "$(cd "$work" && "$1" --seed 1 | wc -l)" = 12 ]; }
check "the text command finds the set under the install-time prefix" \
  twelve_lines "$work/moved$moved/bin/zeziru-ridaz-text"
finish
