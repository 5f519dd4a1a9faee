#!/bin/bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# The text command as a user runs it: exit statuses and one-line messages for bad input, a reader
# that leaves early, the default phrase set, the C locale, --help and --version, the completion.
# Usage: cli_test.sh PATH/TO/zeziru-ridaz-text PHRASE_SET PATH/TO/bash-completion
set -u
program=$1
bundled=$2
completion=$3
source "$(dirname "$0")/../system/checks.sh"

new_case() {  # a fresh copy of the bundled set in $case_dir/set
  case_dir=$(mktemp -d "$work/case.XXXXXX")
  cp -r "$bundled" "$case_dir/set"
  chmod -R u+w "$case_dir/set"
}

run() {  # run OPTIONS...: in the set, never for long; leaves $rc, $case_dir/out and $case_dir/err
  (cd "$case_dir/set" && timeout 20 "$program" "$@") >"$case_dir/out" 2>"$case_dir/err"
  rc=$?
}

# status|change to the set|options|what the one line of standard error says
refusals=(
  "2||--texts 0|--texts: '0' is not a whole number from 1"
  "2||--texts -1|--texts: '-1'"
  "2||--texts 99999999999999999999|--texts: '99999999999999999999'"
  "2||--seed x|--seed: 'x'"
  "2||--lines 0|--lines: '0' is not a whole number from 1"
  "2||--lines -1|--lines: '-1'"
  "2||--lines 18446744073709551616|--lines: '18446744073709551616'"
  "2||--lines 3 --texts 2|--lines and --texts exclude each other"
  "2||--format html -f json|--format: one form at a time, not 'html' and 'json'"
  "2||--format xml|--format: 'xml' is not one of lines, paragraphs, html, markdown, json"
  "2||--raw --format json|--raw writes Windows-1252, and JSON is UTF-8"
  "2||--department sales|--department: 'sales' is not one of"
  "2||--bogus|bogus"
  "2||--d fin|option '--d' is ambiguous: --department, --data"
  "1|sed -i '3s/.*/34,35,40000/' zintok.dat||zintok.dat: line 3: 40000 does not fit in 16 bits"
  "1|sed -i '2s/.*/34,34 35,34/' zintok.dat|-d F|zintok.dat: line 2: '34 35' is not a whole number"
  "1|rm zintok.dat && mkfifo zintok.dat||zintok.dat: not a regular file but a FIFO"
  "1|rm F2.dat && mkdir F2.dat|-d F|F2.dat: not a regular file but a directory"
  "1|rm T1.dat && ln -s /dev/zero T1.dat|--all|T1.dat: not a regular file but a device"
  "1|rm P3.dat|-d P|P3.dat: no such file"
  "1|sed -i '3s/.*/12,12,12/' zintok.dat && truncate -s 479 M2.dat|-d M|M2.dat: record 12 lies past the end"
  "1|sed -i '1s/.*/11,34,35/' zintok.dat|-s 1|zintok.dat: the count of E1.dat is 11, below the 12"
  "2||--data . --language de|--language: 'de' is not installed; installed: en"
  "2||--data nowhere --language en|--language: 'en' is not installed: no phrase set in nowhere"
  "1||--data nowhere|nowhere: no such directory"
  "1|mkfifo pipe|--data pipe|pipe: not a directory"
)

test_refusals() {
  local row status change options message failed=0
  for row in "${refusals[@]}"; do
    IFS='|' read -r status change options message <<<"$row"
    new_case
    (cd "$case_dir/set" && eval "$change") || return 1
    # shellcheck disable=SC2086  # the options are words
    run $options
    expect "status $status for '$options' after '$change', got $rc" test "$rc" = "$status" &&
      expect "nothing on standard output for '$options'" test ! -s "$case_dir/out" &&
      expect "one line naming the problem, got: $(cat "$case_dir/err")" \
        test "$(wc -l <"$case_dir/err")" = 1 &&
      expect "'zeziru-ridaz-text: ...$message...'" \
        grep -qF -- "zeziru-ridaz-text: " "$case_dir/err" &&
      expect "'$message' in: $(cat "$case_dir/err")" grep -qF -- "$message" "$case_dir/err" ||
      failed=1
  done
  return "$failed"
}

test_unreadable_file() {
  [ "$(id -u)" = 0 ] && return 0  # root reads through any permission
  new_case
  chmod 000 "$case_dir/set/E1.dat"
  run
  expect "status 1, got $rc" test "$rc" = 1 &&
    expect "E1.dat: cannot open: in $(cat "$case_dir/err")" grep -qF 'E1.dat: cannot open:' "$case_dir/err"
}

# A million texts start at once and end quietly when the reader leaves: by SIGPIPE as usual, or
# with status 0 where SIGPIPE is ignored.
test_reader_leaves() {
  new_case
  local statuses
  statuses=$(cd "$case_dir/set" && timeout 20 "$program" --texts 1000000 2>"$case_dir/err" |
    head -n 1 >"$case_dir/out"; echo "${PIPESTATUS[0]}")
  expect "death by SIGPIPE (141), got $statuses" test "$statuses" = 141 || return 1
  expect "no message: $(cat "$case_dir/err")" test ! -s "$case_dir/err" || return 1
  expect "the first line" test "$(wc -l <"$case_dir/out")" = 1 || return 1
  statuses=$(cd "$case_dir/set" && trap '' PIPE && timeout 20 "$program" --texts 1000000 \
    2>"$case_dir/err" | head -n 1 >/dev/null; echo "${PIPESTATUS[0]}")
  expect "status 0 with SIGPIPE ignored, got $statuses" test "$statuses" = 0 || return 1
  expect "no message: $(cat "$case_dir/err")" test ! -s "$case_dir/err"
}

# The set in the working directory is the default; elsewhere the installed one, or a clear word.
test_default_set() {
  new_case
  run --seed 9 --all
  cp "$case_dir/out" "$case_dir/here"
  run --seed 9 --all --data "$bundled"
  expect "the working directory's set" cmp "$case_dir/here" "$case_dir/out" || return 1
  mkdir "$case_dir/empty"
  (cd "$case_dir/empty" && "$program") >"$case_dir/out" 2>"$case_dir/err"
  rc=$?
  local installed
  installed=$(dirname "$program")/../share/zeziru-ridaz
  [ -d "$installed" ] && return 0  # an installed program finds its set
  expect "status 1, got $rc" test "$rc" = 1 || return 1
  expect "a word on what is missing: $(cat "$case_dir/err")" \
    grep -q 'no zintok.dat in the current directory and no phrase set installed at .*: name one with --data' \
    "$case_dir/err"
}

test_c_locale_is_utf8() {
  new_case
  LC_ALL=C.UTF-8 run -s 1 -n 40 --all
  cp "$case_dir/out" "$case_dir/utf8"
  LC_ALL=C run -s 1 -n 40 --all
  expect "the same bytes in the C locale" cmp "$case_dir/utf8" "$case_dir/out" || return 1
  expect "some UTF-8 beyond ASCII" grep -qP '[^\x00-\x7F]' "$case_dir/out"
}

test_help_and_version() {
  new_case
  run --help
  expect "--help: status 0, got $rc" test "$rc" = 0 || return 1
  expect "usage line" test "$(head -n 1 "$case_dir/out")" = "Usage: zeziru-ridaz-text [OPTION]..." ||
    return 1
  expect "no line over 79 columns" test "$(awk 'length > 79' "$case_dir/out")" = "" || return 1
  run --version
  expect "--version: status 0, got $rc" test "$rc" = 0 || return 1
  expect "GNU version line" grep -qx 'zeziru-ridaz-text (Zeziru Ridaz) [0-9.]*' "$case_dir/out"
}

complete_words() {  # complete_words WORD...: what the completion offers for the last word
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
           _zeziru_ridaz_text; echo "${COMPREPLY[*]}"' _ "$completion" zeziru-ridaz-text "$@"
}

test_completion() {
  new_case
  expect "options" test "$(complete_words --d)" = "--department --data" || return 1
  expect "a department in any case" test "$(complete_words -n 2 --department fi)" = Financial ||
    return 1
  expect "--department=" test "$(complete_words --department = M)" = Marketing || return 1
  expect "directories for --data" test "$(complete_words --data "$case_dir/s")" = "$case_dir/set" ||
    return 1
  expect "forms" test "$(complete_words --format=M)" = markdown || return 1
  expect "forms after -f" test "$(complete_words -f '')" = "lines paragraphs html markdown json" ||
    return 1
  expect "nothing for a number of lines" test "$(complete_words --lines '')" = "" || return 1
  expect "nothing for a seed" test "$(complete_words --seed '')" = "" || return 1
  # What the completion offers is what --help lists, so the two cannot drift apart.
  "$program" --help >"$case_dir/help"
  local options departments
  options=$(grep -oE -- '--[a-z-]+' "$case_dir/help" | sort -u | tr '\n' ' ')
  departments=$(grep -A2 -- '--department=' "$case_dir/help" | tail -n1 | tr -d ' ' | tr ',' ' ')
  expect "every option of --help" \
    test "$(complete_words -- | tr ' ' '\n' | sort -u | tr '\n' ' ')" = "$options" || return 1
  expect "every department of --help" test "$(complete_words --department '')" = "$departments"
}

run_tests test_refusals test_unreadable_file test_reader_leaves test_default_set \
  test_c_locale_is_utf8 test_help_and_version test_completion
