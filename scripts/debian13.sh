#!/usr/bin/env bash
# Runs the test command (or any command) in a Debian 13 root, on a fresh copy of this tree.
#
# The root is made once from Debian's mirror by mmdebstrap, with everything scripts/deps.sh
# installs for the tests there, and kept outside the repository (VENTRIMO_CACHE_DIR, default
# ~/.cache/ventrimo); it is made anew when the package list or the way it is made changes. Each
# run clones the repository into the root, applies the work tree's uncommitted changes to
# tracked files, and runs in a mount and PID namespace of its own, with its own /tmp: two runs
# at once, or a run beside the user's desktop, see none of each other's processes or files.
#
# Usage: scripts/debian13.sh [COMMAND [ARGUMENT...]]   (default: scripts/test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo VENTRIMO_CACHE_DIR="${VENTRIMO_CACHE_DIR:-$HOME/.cache/ventrimo}" "$0" "$@"
[ $# -gt 0 ] || set -- scripts/test.sh
cache=${VENTRIMO_CACHE_DIR:-$HOME/.cache/ventrimo}
mkdir -p "$cache"

# Runs a command inside ROOT, with /proc, /dev, /sys and a private /tmp mounted for it alone.
inside() { # ROOT COMMAND...
  local at=$1
  shift
  unshare --mount --pid --fork --kill-child=SIGKILL -- /bin/bash -euc '
    at=$1 && shift
    mount --make-rprivate / && mount --bind "$at" "$at" # a mount point, as a root is
    mount -t proc proc "$at/proc"
    mount --rbind /dev "$at/dev" && mount -t tmpfs -o mode=1777 tmpfs "$at/dev/shm"
    mount --rbind /sys "$at/sys"
    mount -t tmpfs -o mode=1777 tmpfs "$at/tmp"
    exec chroot "$at" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
      LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" "$@"' inside "$at" "$@"
}

# The root: Debian's minimal system with what deps.sh installs for the tests.
make_root() { # FOLDER
  mmdebstrap --quiet --variant=apt --include=ca-certificates,git,dbus-daemon \
    trixie "$1" http://deb.debian.org/debian
  cp scripts/deps.sh "$1/root/deps.sh"
  inside "$1" /bin/sh -c 'dbus-uuidgen >/etc/machine-id && /root/deps.sh --test &&
    apt-get clean && rm -rf /var/lib/apt/lists/* /root/deps.sh'
}

# Made once for each version of the package list and of the two functions above, under a lock,
# so that two runs at once make it once.
key=$(cat scripts/deps.sh <(declare -f make_root inside) | sha256sum | cut -c1-16)
root=$cache/debian13-$key
exec 9>"$cache/debian13.lock"
flock 9
if [ ! -e "$root/.made" ]; then
  scripts/deps.sh --debian-root
  echo "Making the Debian 13 root in $root (once; some minutes)"
  rm -rf "$cache"/debian13-*
  make_root "$root.new"
  touch "$root.new/.made"
  mv "$root.new" "$root"
fi
flock -u 9

work=$(mktemp -d "$root/root/tree.XXXXXX")
trap 'rm -rf "$work"' EXIT
git clone -q --no-hardlinks . "$work"
git diff HEAD --binary | git -C "$work" apply --allow-empty
echo "In the Debian 13 root: $*"
inside "$root" /bin/sh -c 'cd "$1" && shift && exec "$@"' sh "/root/${work##*/}" "$@"
