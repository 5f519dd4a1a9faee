#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Installs the Debian packages the build, the program and the tests need, when any is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick libxcb-damage0-dev
  openbox qt6-gtk-platformtheme dbus at-spi2-core python3-pyatspi
  libcups2-dev cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  xxd desktop-file-utils appstream groff-base
  libhunspell-dev hunspell-en-us
  clang-tidy clazy reuse
  locales weston qt6-wayland
)
# The print tests write dates in these locales.
locales=(en_US.UTF-8 de_DE.UTF-8 en_GB.UTF-8)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi

# locale -a spells en_US.UTF-8 as en_US.utf8.
missing=()
for name in "${locales[@]}"; do
  locale -a | grep -qix "${name%.UTF-8}.utf8" || missing+=("$name")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Generating locales: ${missing[*]}"
for name in "${missing[@]}"; do
  grep -qx "$name UTF-8" /etc/locale.gen ||
    echo "$name UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
done
# locale-gen lives in sbin, which a non-login PATH may lack.
"${sudo[@]}" env PATH="$PATH:/usr/sbin:/sbin" locale-gen
