# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Sourced: copy_source_tree DEST copies what git would commit from here (without the build folders
# and other ignored files) into DEST.
copy_source_tree() {
  mkdir -p "$1"
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
      tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$1"
  else
    tar --exclude='./build*' --exclude=./.cache -cf - . | tar -xf - -C "$1"
  fi
}
