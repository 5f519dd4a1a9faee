#!/bin/bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# The golden texts: what zeziru-ridaz-text writes for fixed seeds over the bundled phrase set. A
# seed gives the same output in every release, so any difference is a break, unless the phrase
# set itself changed: the set's version is the checksum list phrase-set.sha256, checked first.
# Usage: golden.sh check|write PROGRAM PHRASE_SET GOLDEN_DIR
# `write` remakes the golden texts and the checksums; the build runs it as
#   cmake --build build --target regenerate_golden_texts
set -u
mode=$1
program=$2
set=$(cd "$3" && pwd) || exit 1
mkdir -p "$4" && golden=$(cd "$4" && pwd) || exit 1
regenerate="cmake --build build --target regenerate_golden_texts"

# name|options: every option and form takes part somewhere, every department once, the seed's two
# ends.
cases=(
  "executive-seed-1|--seed 1"
  "financial-prefix-three-texts|--department fin --texts 3 --seed 20260101"
  "marketing-letter-seed-0|-d m -s 0"
  "personnel-raw|-d Personnel --seed 2 --raw"
  "technical-crlf|--department=TECH --seed 42 --crlf"
  "all-twice-largest-seed|--all --texts 2 --seed 18446744073709551615"
  "technical-crlf-three-texts|-d t --texts 3 --seed 7 --crlf"
  "executive-lines-cut-short|--lines 30 --seed 3"
  "all-lines-paragraphs|--all --lines 40 --format paragraphs --seed 11"
  "financial-html|-d f -n 2 --format=html -s 5"
  "marketing-markdown|-d mark -n 2 -f markdown -s 6"
  "all-json-crlf|-a --format json --seed 9 --crlf"
  "personnel-paragraphs-raw|-d p -n 2 -f p --raw -s 4"
)

# The compiled files in a fixed order: the counts file, then the phrase files.
set_files() { (cd "$set" && LC_ALL=C ls -- *.dat); }

run_case() {  # run_case OPTIONS: the output in the C.UTF-8 locale, with the status checked
  # shellcheck disable=SC2086  # the options are words
  LC_ALL=C.UTF-8 "$program" --data "$set" $1 || { echo "exit status $? for: $1" >&2; return 1; }
}

case $mode in
  write)
    (cd "$set" && sha256sum $(set_files)) >"$golden/phrase-set.sha256" || exit 1
    for entry in "${cases[@]}"; do
      run_case "${entry#*|}" >"$golden/${entry%%|*}.txt" || exit 1
    done
    echo "golden texts written to $golden for the phrase set in $set"
    ;;
  check)
    if ! (cd "$set" && sha256sum --check --strict --quiet "$golden/phrase-set.sha256" >/dev/null 2>&1) ||
      [ "$(set_files | wc -l)" != "$(wc -l <"$golden/phrase-set.sha256")" ]; then
      echo "the phrase set changed: regenerate the golden texts ($regenerate)" >&2
      exit 1
    fi
    failed=0
    for entry in "${cases[@]}"; do
      name=${entry%%|*}
      if ! run_case "${entry#*|}" | cmp -s - "$golden/$name.txt"; then
        echo "FAILED: $name: zeziru-ridaz-text ${entry#*|} no longer writes $golden/$name.txt" >&2
        diff <(run_case "${entry#*|}" | cat -A) <(cat -A "$golden/$name.txt") | head -20 >&2
        failed=1
      fi
    done
    [ "$failed" = 0 ] && echo "${#cases[@]} golden texts match"
    exit "$failed"
    ;;
  *)
    echo "usage: golden.sh check|write PROGRAM PHRASE_SET GOLDEN_DIR" >&2
    exit 2
    ;;
esac
