#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Installs the Debian packages the build, the program and the tests need, when any is missing.
# Debian 12 (bookworm) and Debian 13 (trixie) are known; the names that differ are chosen by the
# release named in /etc/os-release.
# Usage: scripts/deps.sh [--list]   (--list: only print the names, one a line; install nothing)
set -euo pipefail

# shellcheck disable=SC1091  # the release's own file
release=$(. /etc/os-release 2>/dev/null && echo "${ID:-}:${VERSION_CODENAME:-}") || release=
case $release in
  # libFuzzer and the sanitizer runtimes come with the version of clang the release calls clang.
  debian:bookworm) clang_runtime=libclang-rt-14-dev ;;
  debian:trixie) clang_runtime=libclang-rt-19-dev ;;
  *)
    found=$( (. /etc/os-release 2>/dev/null && echo "${PRETTY_NAME:-}") || true)
    echo "scripts/deps.sh: this is ${found:-a system without /etc/os-release}, not Debian 12 (bookworm) or Debian 13 (trixie): its package names are not known" >&2
    exit 1
    ;;
esac

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  clang "$clang_runtime"
  xvfb xauth xdotool x11-utils imagemagick libxcb-damage0-dev
  openbox qt6-gtk-platformtheme dbus at-spi2-core python3-pyatspi
  libcups2-dev cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  xxd desktop-file-utils appstream groff-base
  libhunspell-dev hunspell-en-us hunspell-fr-classical hunspell-es
  clang-tidy clazy reuse
  locales weston qt6-wayland
)
# The print tests write dates in these locales.
locales=(en_US.UTF-8 de_DE.UTF-8 en_GB.UTF-8)

if [ "${1:-}" = --list ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

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
