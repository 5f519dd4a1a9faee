#!/bin/bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Checks zeziru-ridaz-phrasec on small source sets built in a temporary directory, then on the bundled sets.
# Usage: phrasec_test.sh PATH/TO/zeziru-ridaz-phrasec PATH/TO/data BUNDLED_OPTIONS SET...
# BUNDLED_OPTIONS: the options the build checks the bundled sets with, as one word; SET: a bundled
# set as LANGUAGE|SOURCE_FOLDER|DICTIONARY|OUTPUT_FOLDER, the first of them English.
set -u

tool=$1
data=$2
bundled_options=$3
shift 3
bundled_sets=("$@")
bundled=$data/$(echo "${bundled_sets[0]}" | cut -d'|' -f2)
# The phrase files the compiler reads, as "E1 E2 ...": the bundled set has every one of them.
stems=$(cd "$bundled" && ls [A-Z][1-9].txt | sed 's/\.txt$//')
source "$(dirname "$0")/../system/checks.sh"

# Runs the tool, with $options (spelling off unless a case says otherwise); leaves its exit
# status in $rc and its messages in $case_dir/err.
run_tool() {
  "$tool" $options "$1" "$2" 2>"$case_dir/err"
  rc=$?
}

# The phrase NUMBER of a valid source STEM: an opening, a subject or a predicate by its column.
phrase() {
  case $1 in
    *1) echo "$1 phrase $2" ;;
    *2) echo "the $1 phrase $2" ;;
    *) echo "will use $1 phrase $2." ;;
  esac
}

# A fresh case directory holding a valid source set: 12 distinct phrases in each of the 15 files.
new_case() {
  options=--no-spelling
  case_dir=$(mktemp -d "$work/case.XXXXXX")
  src=$case_dir/src
  out=$case_dir/out
  mkdir "$src"
  local stem i
  for stem in $stems; do
    for i in $(seq -w 1 12); do phrase "$stem" "$i"; done >"$src/$stem.txt"
  done
}

# A case checked as strictly as the bundled set, with function words that leave no content word in
# its own phrases.
new_strict_case() {
  new_case
  options="--no-spelling --strict"
  printf 'the\nwill\nuse\nphrase\n' >"$src/function-words.txt"
}

# Appends each LINE (printf %b escapes allowed) to FILE of the case.
add() {
  local file=$1
  shift
  printf '%b\n' "$@" >>"$src/$file"
}

# Record N (from 1) of a .dat file, as hex.
record_hex() { xxd -p -s $((($2 - 1) * 40)) -l 40 "$1" | tr -d '\n'; }
# The 40-byte record a phrase should become, as hex (printf %b escapes allowed in the phrase).
padded_hex() { printf '%-40b' "$1" | xxd -p | tr -d '\n'; }

# Appends one line (printf %b escapes allowed) as line 13 of FILE, then expects the run to fail
# with MESSAGE and to write nothing.
expect_rejected() {
  local file=$1 line=$2 message=$3
  new_case
  printf '%b\n' "$line" >>"$src/$file"
  expect_rejected_run "$message"
}

expect_rejected_run() {
  run_tool "$src" "$out"
  expect "exit status 1, got $rc" test "$rc" -eq 1 || return 1
  expect "message '$1' in: $(cat "$case_dir/err")" grep -qF -- "$1" "$case_dir/err" || return 1
  expect "no output directory" test ! -e "$out"
}

test_rejects_long_phrase() {
  expect_rejected E2.txt "$(printf 'x%.0s' {1..41})" 'E2.txt:13: phrase is 41 bytes, more than 40'
}
test_rejects_duplicate() { expect_rejected F3.txt 'will use F3 phrase 03.' 'F3.txt:13: duplicate of line 3'; }
test_rejects_near_duplicate() { expect_rejected F1.txt 'F1, Phrase  03' 'F1.txt:13: near-duplicate of line 3'; }
test_rejects_trailing_blank() { expect_rejected M1.txt 'ends in a blank ' 'M1.txt:13: starts or ends'; }
test_rejects_leading_blank() { expect_rejected M2.txt ' starts with a blank' 'M2.txt:13: starts or ends'; }
test_rejects_tab() { expect_rejected P2.txt 'holds\ta tab' 'P2.txt:13: holds a tab'; }
test_rejects_unencodable() { expect_rejected T2.txt 'kanji \xe6\xbc\xa2' 'T2.txt:13: not valid UTF-8'; }
test_rejects_invalid_utf8() { expect_rejected T3.txt 'Latin-1 caf\xe9' 'T3.txt:13: not valid UTF-8'; }
# U+0085 is a control character, though its UTF-8 is two bytes and 0x85 a Windows-1252 letter.
test_rejects_c1_control() { expect_rejected T1.txt 'Next line \xc2\x85' 'T1.txt:13: not valid UTF-8'; }
test_rejects_no_break_space() { expect_rejected M1.txt 'Ends in\xc2\xa0' 'M1.txt:13: starts or ends'; }

# Every combination of the columns reads as one sentence: what a program can check of that.
test_column_rules() {
  expect_rejected E1.txt 'lowercase opening' 'E1.txt:13: an opening starts with a capital' || return 1
  expect_rejected F1.txt 'Going forward,' "F1.txt:13: ends with ','" || return 1
  expect_rejected M1.txt '"Think big!"' "M1.txt:13: holds a sentence end '!'" || return 1
  expect_rejected P2.txt 'The board' 'P2.txt:13: starts with a capital letter' || return 1
  expect_rejected T2.txt 'the board. And more' "T2.txt:13: holds a sentence end '.'" || return 1
  expect_rejected E3.txt 'will do it' 'E3.txt:13: a predicate ends the sentence' || return 1
  expect_rejected F3.txt 'will act. Now!' "F3.txt:13: holds a sentence end '.' before" || return 1
  # French and Spanish have no place for a line's '!' or '?': only '.' ends a predicate there.
  local end
  for end in '!' '?'; do
    new_case
    options="--no-spelling --lang fr_FR"
    add T3.txt "va tout changer$end"
    expect_rejected_run "T3.txt:13: ends with '$end'; in this language a predicate ends with '.'" || return 1
  done
  expect_rejected P2.txt 'the "rock star team' 'P2.txt:13: holds an odd number of double quotes' || return 1
  expect_rejected P3.txt '""' 'P3.txt:13: holds nothing but quotes' || return 1
  new_case
  printf 'will\n' >"$src/verbs.txt"
  printf '"shall do it."\n' >>"$src/M3.txt"
  expect_rejected_run "M3.txt:13: a predicate begins with a verb form of verbs.txt, not 'shall'"
}

# A quoted phrase is wholly in quotes, so any two that meet make one balanced quotation.
test_quote_rule() {
  new_strict_case
  add M2.txt '"the rock stars"'
  add M3.txt '"will circle back."' '"might rethink synergy"!'
  run_tool "$src" "$out"
  expect "wholly quoted phrases compile: $(cat "$case_dir/err")" test "$rc" -eq 0 -a ! -s "$case_dir/err" || return 1
  local row
  for row in 'E2.txt|"next-level" execution' 'E3.txt|"will revisit the numbers" next quarter.' \
    'P2.txt|the so-called "dream team"' 'T2.txt|"the "rock" stars"'; do
    new_strict_case
    add "${row%%|*}" "${row#*|}"
    expect_rejected_run "${row%%|*}:13: a phrase with a quote at its start or end is wholly in quotes" || return 1
  done
}

# What a reader of many texts notices: a word in more than 5% of a file (singular and plural as
# one), column pairs of a department that share a word (case aside), a phrase in two files.
test_repetition() {
  new_strict_case
  add E2.txt 'the strategy offices' 'the office strategies'
  expect_rejected_run "E2.txt:13: 'office' stands in 2 of the file's 14 phrases, more than 5% (also lines 14)" || return 1
  new_strict_case
  add F2.txt 'the Synergy lead'
  add F3.txt 'will rethink synergy.'
  expect_rejected_run 'F2.txt+F3.txt: 0.59% of the subject-predicate pairs share a content word' || return 1
  expect "the word and its lines: $(cat "$case_dir/err")" \
    grep -qxF "F2.txt:13: 'synergy' is shared by 1 of those pairs (F3.txt:13)" "$case_dir/err" || return 1
  new_strict_case
  add M2.txt 'the night shift'
  add T2.txt 'the night shift'
  expect_rejected_run 'T2.txt:13: also in M2.txt:13' || return 1
  # In French an elided article is a word of its own, and a plural drops its s.
  new_strict_case
  options="--no-spelling --strict --lang fr_FR"
  printf 'la\nle\nva\n' >>"$src/function-words.txt"
  add P2.txt "l'équipe des stratégies" 'la stratégie'
  expect_rejected_run "P2.txt:13: 'stratégie' stands in 2 of the file's 14 phrases"
}

# In a set of one's own the same rules only warn, by FILE:LINE, and the set still compiles.
test_set_rules_warn_in_own_set() {
  new_strict_case
  options=--no-spelling
  add E2.txt '"next-level" execution'
  add M2.txt 'the night shift'
  add T2.txt 'the night shift'
  run_tool "$src" "$out"
  expect "compiles: $(cat "$case_dir/err")" test "$rc" -eq 0 -a -e "$out/zintok.dat" || return 1
  expect "quote warning" grep -qF 'E2.txt:13: warning: a phrase with a quote' "$case_dir/err" || return 1
  expect "duplicate warning" grep -qxF 'T2.txt:13: warning: also in M2.txt:13' "$case_dir/err"
}

# Odd input is reported, never a crash, and then nothing is written.
test_odd_input_is_reported() {
  new_strict_case
  : >"$src/E1.txt"
  add P2.txt '"'
  add T3.txt 'will x a y.'
  expect_rejected_run 'E1.txt: 0 phrases, at least 12 needed' || return 1
  expect "a lone quote" grep -qF 'P2.txt:13: holds an odd number of double quotes' "$case_dir/err" || return 1
  new_strict_case
  rm "$src"/[FMPT][1-9].txt
  expect_rejected_run 'F1.txt: cannot read' || return 1
  new_strict_case
  rm "$src/function-words.txt"
  expect_rejected_run 'function-words.txt: missing'
}

# A line far longer than any phrase is measured, not held: under an address space of 48 MiB a
# 40 MiB line is still reported by its length, where reading it whole fails.
test_long_line_memory_stays_flat() {
  new_case
  if grep -qa __asan_init "$tool"; then
    echo "    skipped: a sanitized build reserves more address space than the limit" >&2
    return 0
  fi
  { head -c $((40 << 20)) /dev/zero | tr '\0' x && echo; } >>"$src/E2.txt"
  (ulimit -v $((48 << 10)) && exec "$tool" $options "$src" "$out") 2>"$case_dir/err"
  rc=$?
  expect "exit status 1, got $rc: $(head -c 300 "$case_dir/err")" test "$rc" -eq 1 || return 1
  expect "the length: $(head -c 300 "$case_dir/err")" \
    grep -qF 'E2.txt:13: line is 41943040 bytes, longer than any phrase' "$case_dir/err" || return 1
  expect "no output directory" test ! -e "$out"
}

# 12 to 32767 phrases a file: a text needs 12 lines, and the counts are read as 16-bit numbers.
test_phrase_count_limits() {
  new_case
  sed -i '12d' "$src/M3.txt"
  expect_rejected_run 'M3.txt: 11 phrases, at least 12 needed' || return 1
  phrase M3 12 >>"$src/M3.txt"
  seq 13 32767 | sed 's/^/E1 phrase /' >>"$src/E1.txt"
  run_tool "$src" "$out"
  expect "32767 phrases compile: $(cat "$case_dir/err")" test "$rc" -eq 0 || return 1
  expect "E1 count 32767" test "$(head -c 9 "$out/zintok.dat")" = "32767,12," || return 1
  rm -r "$out"
  echo 'one more' >>"$src/E1.txt"
  expect_rejected_run 'E1.txt: 32768 phrases, at most 32767 allowed'
}

test_rejects_missing_file() {
  new_case
  rm "$src/F1.txt"
  expect_rejected_run 'F1.txt: cannot read'
}

test_reports_every_problem() {
  new_case
  printf 'E1 phrase 01\n' >>"$src/E1.txt"
  printf 'bad\tone\nwill use P3 phrase 13.\n' >>"$src/P3.txt"
  sed -i '1d' "$src/T1.txt"
  expect_rejected_run 'E1.txt:13: duplicate of line 1' || return 1
  expect "P3.txt line 13 reported" grep -qF 'P3.txt:13: holds a tab' "$case_dir/err" || return 1
  expect "T1.txt count reported" grep -qF 'T1.txt: 11 phrases' "$case_dir/err" || return 1
  expect "3 messages" test "$(wc -l <"$case_dir/err")" -eq 3
}

test_failed_run_keeps_previous_output() {
  new_case
  run_tool "$src" "$out"
  expect "first run succeeds" test "$rc" -eq 0 || return 1
  cp -r "$out" "$case_dir/before"
  phrase E3 01 >>"$src/E3.txt"
  echo 'one more' >>"$src/T3.txt"
  run_tool "$src" "$out"
  expect "second run fails" test "$rc" -eq 1 || return 1
  expect "output unchanged" diff -r "$case_dir/before" "$out"
}

# Comments, blank lines, a byte-order mark and Windows line ends are not phrases.
test_writes_records_and_counts() {
  new_case
  printf '# a comment\n\n   \nE1 phrase 13\n# another\nE1 phrase 14\n' >>"$src/E1.txt"
  sed -i 's/$/\r/' "$src/E2.txt"
  sed -i '1s/^/\xef\xbb\xbf/' "$src/E3.txt"
  run_tool "$src" "$out"
  expect "exit status 0, got $rc: $(cat "$case_dir/err")" test "$rc" -eq 0 || return 1
  expect "a file a source, the counts, no leftovers: $(ls "$out")" \
    test "$(ls "$out" | wc -l)" -eq $(($(wc -w <<<"$stems") + 1)) || return 1
  local stem size
  for stem in $stems; do
    size=$(stat -c %s "$out/$stem.dat")
    [[ $stem == E1 ]] && want=560 || want=480
    expect "$stem.dat is $want bytes, not $size" test "$size" -eq "$want" || return 1
  done
  expect "E1 record 1" test "$(record_hex "$out/E1.dat" 1)" = "$(padded_hex 'E1 phrase 01')" || return 1
  expect "E1 record 14" test "$(record_hex "$out/E1.dat" 14)" = "$(padded_hex 'E1 phrase 14')" || return 1
  expect "E2 record without CR" test "$(record_hex "$out/E2.dat" 12)" = "$(padded_hex "$(phrase E2 12)")" || return 1
  expect "E3 record without BOM" test "$(record_hex "$out/E3.dat" 1)" = "$(padded_hex "$(phrase E3 01)")" || return 1
  printf '14,12,12\r\n12,12,12\r\n12,12,12\r\n12,12,12\r\n12,12,12\r\n' >"$case_dir/counts"
  expect "zintok.dat contents" cmp "$case_dir/counts" "$out/zintok.dat"
}

# The limit applies to the Windows-1252 bytes: 38 + 2 accented letters is 40 there, 42 in UTF-8.
test_encodes_windows_1252() {
  new_case
  local long
  long="X$(printf 'x%.0s' {1..37})"
  printf '%s\xc3\xa9\xc3\xa9\nPrice in \xe2\x82\xac\n' "$long" >>"$src/P1.txt"
  run_tool "$src" "$out"
  expect "exit status 0, got $rc: $(cat "$case_dir/err")" test "$rc" -eq 0 || return 1
  expect "é as 0xE9" test "$(record_hex "$out/P1.dat" 13)" = "$(padded_hex "$long\xe9\xe9")" || return 1
  expect "€ as 0x80" test "$(record_hex "$out/P1.dat" 14)" = "$(padded_hex 'Price in \x80')"
}

# A dictionary of the case's own, so the result does not hang on the installed one.
test_spelling() {
  new_case
  mkdir "$case_dir/dict"
  printf 'SET UTF-8\n' >"$case_dir/dict/xx_XX.aff"
  printf '5\nphrase\nthe\nwill\nuse\nsynergy\n' >"$case_dir/dict/xx_XX.dic"
  options="--lang xx_XX"
  printf 'Synergize the synergy\n' >>"$src/T1.txt"
  DICPATH=$case_dir/dict run_tool "$src" "$out"
  expect "exit status 1, got $rc" test "$rc" -eq 1 || return 1
  expect "unknown word: $(cat "$case_dir/err")" grep -qxF "T1.txt:13: unknown word 'Synergize'" "$case_dir/err" || return 1
  expect "one message" test "$(wc -l <"$case_dir/err")" -eq 1 || return 1
  printf '# jargon\nsynergize\n' >"$src/words.txt"
  DICPATH=$case_dir/dict run_tool "$src" "$out"
  expect "the word list adds it: $(cat "$case_dir/err")" test "$rc" -eq 0 || return 1
  rm -r "$out"
  printf 'two words\n' >>"$src/words.txt"
  DICPATH=$case_dir/dict run_tool "$src" "$out"
  expect "a bad word list line: $(cat "$case_dir/err")" grep -qxF 'words.txt:3: not one word in UTF-8' "$case_dir/err" || return 1
  expect "nothing written" test ! -e "$out"
}

# Without a dictionary the check says so in one line and the set compiles, unless it is required;
# a file that is no dictionary is refused without a crash.
test_missing_or_broken_dictionary() {
  new_case
  mkdir "$case_dir/dict"
  options="--lang zz_ZZ"
  DICPATH=$case_dir/dict run_tool "$src" "$out"
  expect "compiles: $(cat "$case_dir/err")" test "$rc" -eq 0 || return 1
  expect "one line: $(cat "$case_dir/err")" test "$(wc -l <"$case_dir/err")" -eq 1 || return 1
  options="--lang zz_ZZ --require-spelling"
  DICPATH=$case_dir/dict run_tool "$src" "$case_dir/out2"
  expect "required: $(cat "$case_dir/err")" grep -qF 'no Hunspell dictionary for zz_ZZ' "$case_dir/err" || return 1
  expect "status 1 and nothing written" test "$rc" -eq 1 -a ! -e "$case_dir/out2" || return 1
  printf 'SET UTF-8\n' >"$case_dir/dict/zz_ZZ.aff"
  # No word count first; then a word count Hunspell refuses, so it loads no word.
  local dic
  for dic in 'this is no dictionary\n' '0\nphrase\n'; do
    printf "$dic" >"$case_dir/dict/zz_ZZ.dic"
    DICPATH=$case_dir/dict run_tool "$src" "$case_dir/out2"
    expect "not loadable, status 1: $(cat "$case_dir/err")" test "$rc" -eq 1 || return 1
    expect "says so" grep -qF 'cannot load the Hunspell dictionary' "$case_dir/err" || return 1
  done
}

# Each bundled set, checked as the build checks it (with the real dictionary of its language),
# with nothing reported and at least 100 phrases a file.
test_bundled_set_compiles() {
  local set language sources dictionary counts count
  for set in "${bundled_sets[@]}"; do
    IFS='|' read -r language sources dictionary _ <<<"$set"
    case_dir=$(mktemp -d "$work/case.XXXXXX")
    options="$bundled_options --lang $dictionary"
    run_tool "$data/$sources" "$case_dir/out"
    expect "$language: exit status 0, got $rc: $(cat "$case_dir/err")" test "$rc" -eq 0 || return 1
    expect "$language: nothing reported: $(cat "$case_dir/err")" test ! -s "$case_dir/err" || return 1
    counts=$(tr -d '\r' <"$case_dir/out/zintok.dat" | tr ',\n' '  ')
    for count in $counts; do
      expect "$language: at least 100 phrases per file: $counts" test "$count" -ge 100 || return 1
    done
  done
}

run_tests test_rejects_long_phrase test_rejects_duplicate test_rejects_near_duplicate \
  test_rejects_trailing_blank test_rejects_leading_blank test_rejects_tab test_rejects_unencodable \
  test_rejects_invalid_utf8 test_rejects_c1_control test_rejects_no_break_space test_column_rules \
  test_quote_rule test_repetition test_set_rules_warn_in_own_set test_odd_input_is_reported \
  test_long_line_memory_stays_flat test_phrase_count_limits test_rejects_missing_file test_reports_every_problem \
  test_failed_run_keeps_previous_output test_writes_records_and_counts test_encodes_windows_1252 \
  test_spelling test_missing_or_broken_dictionary test_bundled_set_compiles
