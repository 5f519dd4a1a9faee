#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Proves the committed tree on a fresh Debian 13 (trixie): debootstrap makes a minbase root in a
# temporary folder, a clean clone of HEAD goes into it, and there the README's test command
# (scripts/test.sh) runs, then scripts/package.sh builds the package and lints it, and the package
# is installed and its autopkgtest tests run. Each step prints how long it took.
#
# Usage: scripts/debian13.sh [--reprotest]   (as root on Debian 12 or 13, with debootstrap
# installed and the archive reachable; ZR_DEBIAN_MIRROR names another mirror). --reprotest adds
# scripts/reprotest.sh there, about ten minutes more, which CI leaves to the Debian 12 part.
#
# Every mount is made inside private mount and PID namespaces around the step that needs it, so
# none is ever seen outside and none outlives the step; the root is removed on every exit, also
# on failure and on Ctrl-C. Only the packages and the locales are fetched with the network; the
# tests and the package build run in a network namespace of their own, so their X servers,
# print servers and D-Bus sessions cannot meet those of tests running on the machine itself.
set -euo pipefail
cd "$(dirname "$0")/.."
# debootstrap and chroot live in sbin, which a non-login PATH may lack.
export PATH=$PATH:/usr/sbin:/sbin
top=$PWD
mirror=${ZR_DEBIAN_MIRROR:-http://deb.debian.org/debian}
suite=trixie
reprotest=()
case ${1:-} in
  "") ;;
  --reprotest) reprotest=(reprotest faketime disorderfs diffoscope-minimal locales-all) ;;
  *) echo "usage: scripts/debian13.sh [--reprotest]" >&2; exit 2 ;;
esac

fail() {
  echo "scripts/debian13.sh: $*" >&2
  exit 1
}

# What is checked first touches nothing.
release=$( (. /etc/os-release && echo "${ID:-}:${VERSION_CODENAME:-}") 2>/dev/null) || release=
case $release in
  debian:bookworm | debian:trixie) ;;
  *)
    found=$( (. /etc/os-release && echo "${PRETTY_NAME:-}") 2>/dev/null) || found=
    fail "this is ${found:-a system without /etc/os-release}, not Debian 12 or Debian 13"
    ;;
esac
[ "$(id -u)" -eq 0 ] || fail "must run as root (debootstrap, chroot and the mounts need it)"
debootstrap=$(command -v debootstrap) || debootstrap=
[ -x "$debootstrap" ] || fail "debootstrap is not installed (apt-get install debootstrap)"
[ -e "/usr/share/debootstrap/scripts/$suite" ] || fail "this debootstrap does not know $suite"
git -C "$top" rev-parse --verify -q HEAD >/dev/null || fail "$top is not a git clone with a commit"
unshare --mount --pid --net --kill-child true 2>/dev/null ||
  fail "private mount, PID and network namespaces cannot be made here (unshare failed)"

work=$(mktemp -d "${TMPDIR:-/var/tmp}/zr-debian13.XXXXXX")
root=$work/root
step_pid=

# Ends the step still running (its namespaces take their processes and mounts with them), checks
# that no mount is left under the folder, and only then removes it.
cleanup() {
  local status=$?
  trap - EXIT INT TERM HUP
  if [ -n "$step_pid" ]; then
    kill -KILL "$step_pid" 2>/dev/null || true
    wait "$step_pid" 2>/dev/null || true
  fi
  local mounts
  mounts=$(findmnt -rn -o TARGET | grep -F "$work/" | sort -r || true)
  if [ -n "$mounts" ]; then
    xargs -r -d '\n' umount -l <<<"$mounts" || true
    if findmnt -rn -o TARGET | grep -qF "$work/"; then
      echo "scripts/debian13.sh: mounts left under $work, not removed" >&2
      exit 1
    fi
  fi
  rm -rf --one-file-system "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'echo "scripts/debian13.sh: interrupted" >&2; exit 130' INT
trap 'echo "scripts/debian13.sh: stopped" >&2; exit 143' TERM HUP

# step COMMAND...: runs in the background so that a signal reaches the trap at once.
step() {
  "$@" &
  step_pid=$!
  local status=0
  wait "$step_pid" || status=$?
  step_pid=
  return "$status"
}

# The mounts a build and its tests need, made inside the step's own namespaces; then the command
# in the root, with the environment of a fresh login as root.
# shellcheck disable=SC2016  # expanded by the inner shell
enter='set -e
root=$1
shift
# The root a mount point of its own, so that a test can make a mount namespace inside it.
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount --bind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
mount -t tmpfs -o mode=755 run "$root/run"
# A tmpfs /tmp, as on a fresh Debian 13 machine; it also spares the fuzzers and the scratch
# files of the tests the stalls of a busy disk.
mount -t tmpfs -o mode=1777,size=50% tmp "$root/tmp"
if [ -n "${ZR_OFFLINE:-}" ] && command -v ip >/dev/null; then ip link set lo up; fi
exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI="${CI:-}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"'

in_root() {  # in_root [--offline] COMMAND...
  local net=() offline=
  if [ "$1" = --offline ]; then
    net=(--net)
    offline=1
    shift
  fi
  step env ZR_OFFLINE="$offline" unshare --mount --propagation private --pid --kill-child \
    "${net[@]}" bash -c "$enter" _ "$root" "$@"
}

timings=()
timed() {  # timed WHAT COMMAND...: the command, then how long it took
  local what=$1 start=$SECONDS
  shift
  echo "== Debian 13: $what"
  "$@"
  timings+=("$what: $((SECONDS - start)) s")
  echo "== Debian 13: $what took $((SECONDS - start)) s"
}

timeout 120 /usr/lib/apt/apt-helper download-file "$mirror/dists/$suite/InRelease" "$work/InRelease" \
  >"$work/net.log" 2>&1 || fail "the archive cannot be reached: $mirror/dists/$suite/InRelease"

begin=$SECONDS
head=$(git -C "$top" rev-parse HEAD)
echo "== Debian 13: the commit $head"
[ -z "$(git -C "$top" status --porcelain --untracked-files=no)" ] ||
  echo "scripts/debian13.sh: the changes not committed are not in the check"

bootstrap() {
  step unshare --mount --propagation private --pid --kill-child \
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 || {
    tail -n 20 "$work/debootstrap.log" >&2
    fail "debootstrap failed"
  }
  # A throwaway root: no services started by packages, no fsync and no manual index per package.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/zr-unsafe-io"
  printf '127.0.0.1 localhost\n::1 localhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"
  git clone -q --no-local "$top" "$root/root/zeziru-ridaz"
  git -C "$root/root/zeziru-ridaz" checkout -q --detach "$head"
}
timed "debootstrap and clone" bootstrap

# One apt-get install for everything the steps after it need, so they run without a network.
# shellcheck disable=SC2016  # expanded in the root
timed "packages" in_root bash -c 'set -e
  cd /root/zeziru-ridaz
  echo "man-db man-db/auto-update boolean false" | debconf-set-selections
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    $(bash scripts/deps.sh --list) build-essential debhelper dpkg-dev lintian bash-completion \
    autopkgtest xclip "$@"
  bash scripts/deps.sh
  dpkg-checkbuilddeps || DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q ./' _ \
  "${reprotest[@]}"

timed "scripts/test.sh" in_root --offline bash -c 'cd /root/zeziru-ridaz && bash scripts/test.sh'
timed "scripts/package.sh" in_root --offline bash -c 'cd /root/zeziru-ridaz && bash scripts/package.sh'
# shellcheck disable=SC2016  # expanded in the root
timed "install and autopkgtest" in_root --offline bash -c 'set -e
  cd /root/zeziru-ridaz
  version=$(dpkg-parsechangelog -S Version)
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./build-deb/zeziru-ridaz_${version}_amd64.deb"
  zeziru-ridaz-text --seed 1 | head -n 1
  autopkgtest "build-deb/zeziru-ridaz_${version}_amd64.changes" -- null'

if [ ${#reprotest[@]} -gt 0 ]; then
  timed "scripts/reprotest.sh" in_root --offline bash -c 'cd /root/zeziru-ridaz && bash scripts/reprotest.sh'
fi

printf '  %s\n' "${timings[@]}"
echo "Debian 13: everything passed in $((SECONDS - begin)) s"
