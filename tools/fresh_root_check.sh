#!/usr/bin/env bash
# Runs the README's test command the way a new machine would: a minimal Debian 12 root made
# from the package registry, a fresh clone of this repository's committed HEAD copied into it,
# and scripts/run-tests.sh inside as root, with no display and nothing else installed.
# Usage (as root): bash tools/fresh_root_check.sh [FOLDER]   (the root is made in FOLDER and removed after)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "run as root: it builds a root file system and enters it" >&2; exit 2; }

command -v mmdebstrap >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap
}

work=${1:-$(mktemp -d /var/tmp/pictavo-fresh-root.XXXXXX)}
mkdir -p "$work"
root="$work/root"
trap 'rm -rf "$root"' EXIT

mirror=http://deb.debian.org/debian
mmdebstrap --variant=minbase --include=ca-certificates,git bookworm "$root" \
    "deb $mirror bookworm main" \
    "deb $mirror bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"

git clone --quiet --no-hardlinks "$repo" "$root/pictavo"

# A private mount namespace: /proc, /sys and /dev inside the root vanish with the run.
start=$(date +%s)
status=0
unshare --mount --propagation private bash -c '
    set -e
    root=$1
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI=true \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /pictavo && bash scripts/run-tests.sh"
' _ "$root" || status=$?
echo "fresh root run: exit $status after $(( $(date +%s) - start )) s"
exit $status
