#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Renders the hicolor PNG icons from the one SVG source. The PNGs are committed, so the package
# build needs no SVG renderer; run this again after changing the SVG.
# Needs librsvg2-bin (rsvg-convert).
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"
name=org.zeziruridaz.ZeziruRidaz
for size in 16 22 24 32 48 64 128 256 512; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --output "${size}x${size}/$name.png" "$name.svg"
done
