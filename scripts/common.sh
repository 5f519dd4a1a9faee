# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Sourced by the packaging scripts.

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# install_missing PACKAGE...: installs those of the Debian packages that are not installed yet,
# without their recommendations.
install_missing() {
  local package missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

# copy_source_tree DEST copies what git would commit from here (without the build folders and
# other ignored files) into DEST.
copy_source_tree() {
  mkdir -p "$1"
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
      tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$1"
  else
    tar --exclude='./build*' --exclude=./.cache -cf - . | tar -xf - -C "$1"
  fi
}
