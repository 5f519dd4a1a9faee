#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Builds the Debian package and checks it with lintian. Installs the packaging tools and the build
# dependencies when missing. The build runs in a copy of the tree under a temporary folder, so
# nothing is written next to the clone; the .deb, its -dbgsym package, the .buildinfo and the
# .changes end up in build-deb/.
# Then: apt install ./build-deb/zeziru-ridaz_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
out=$top/build-deb

. scripts/common.sh
install_missing build-essential debhelper dpkg-dev lintian
if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y -q ./
fi

version=$(dpkg-parsechangelog -S Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/zeziru-ridaz-$version
copy_source_tree "$tree"

(cd "$tree" && dpkg-buildpackage -us -uc -b "-j${ZR_JOBS:-2}")

rm -rf "$out"
mkdir -p "$out"
cp "$work"/*.deb "$work"/*.buildinfo "$work"/*.changes "$out"/
changes=$out/zeziru-ridaz_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).changes
lintian --fail-on error,warning --display-info "$changes"
echo "Built and checked: $(cd "$out" && ls ./*.deb)"
