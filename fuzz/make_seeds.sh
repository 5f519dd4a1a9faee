#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# make_seeds.sh PHRASE_DIR [CORPUS_DIR]
# Rebuilds the committed seed corpora from a compiled phrase set (zintok.dat, E1.dat..E3.dat),
# e.g. build-fuzz/phrases. Run by hand when the bundled set changes; nothing runs it on its own.
set -euo pipefail
phrases=${1:?usage: make_seeds.sh PHRASE_DIR [CORPUS_DIR]}
corpus=${2:-$(dirname "$0")/corpus}
record=40

counts="$corpus/counts"
generate="$corpus/generate"
mkdir -p "$counts" "$generate"

# The counts file as shipped, and variants near each rule of its format.
cp "$phrases/zintok.dat" "$counts/bundled"
{ printf '\xef\xbb\xbf'; cat "$phrases/zintok.dat"; } > "$counts/byte-order-mark"
tr -d '\r' < "$phrases/zintok.dat" > "$counts/lf-only"
tr '\r\n' ',,' < "$phrases/zintok.dat" | tr -s ',' > "$counts/one-line"
head -n 1 "$phrases/zintok.dat" > "$counts/one-group"
printf ' 35 ,\t34\t, 35 \r\n34,34,34\r\n34,35,34\n34,35,34\r35,35,35' > "$counts/blanks"
printf '32768,1,2\r\n' > "$counts/overflow"
printf -- '-32768,-1,+7\r\n' > "$counts/signs"
printf '35,x4,35\r\n' > "$counts/not-a-number"

# Three little-endian 16-bit counts.
header() {
  local n
  for n in "$@"; do printf "\\x$(printf %02x $((n & 255)))\\x$(printf %02x $(((n >> 8) & 255)))"; done
}
# N records of a phrase file, from record FIRST (1-based).
records() { tail -c +$((($3 - 1) * record + 1)) "$phrases/$1" | head -c $(($2 * record)); }
records_in() { echo $(($(stat -c %s "$phrases/$1") / record)); }

k=$(records_in E1.dat)
for f in E2.dat E3.dat; do n=$(records_in "$f"); if ((n < k)); then k=$n; fi; done
{ header "$k" "$k" "$k"; for f in E1.dat E2.dat E3.dat; do records "$f" "$k" 1; done; } \
  > "$generate/bundled"
{ header 12 12 12; for f in E1.dat E2.dat E3.dat; do records "$f" 12 1; done; } \
  > "$generate/twelve"
# The bundled set's quoted phrases sit at the ends of the files: quotes meet across columns.
{ header 12 12 12; for f in E1.dat E2.dat E3.dat; do records "$f" 12 $((k - 11)); done; } \
  > "$generate/quotes"
{ header 40 40 40; for f in E1.dat E2.dat E3.dat; do records "$f" 12 1; done; } \
  > "$generate/past-end"
{ header 11 12 12; for f in E1.dat E2.dat E3.dat; do records "$f" 12 1; done; } \
  > "$generate/too-few"
