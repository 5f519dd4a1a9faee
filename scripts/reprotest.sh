#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Builds the Debian package twice under reprotest, the second time with the build environment
# varied, and fails on any difference between the two .deb files. The tests stay off (nocheck):
# they do not change what is packaged. What is varied is listed in the README.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/common.sh
install_missing reprotest faketime disorderfs diffoscope-minimal locales-all dpkg-dev debhelper
if ! dpkg-checkbuilddeps -Pnocheck >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y -q -Pnocheck ./
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy_source_tree "$work/src"

# fileordering needs FUSE and user_group, domain_host a second user or root namespaces, which a
# container may not offer: they are off. Everything else reprotest knows is varied.
export DEB_BUILD_OPTIONS="nocheck parallel=${ZR_JOBS:-2}"
reprotest --min-cpus=2 --vary=-fileordering,-user_group,-domain_host \
  --store-dir="$work/out" "$work/src" -- null
echo "Reproducible: two builds gave the same .deb"
