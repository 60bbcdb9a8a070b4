#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source package and its binary packages (debian/) as a distribution would: from a `git
# archive` of HEAD, in a clean Debian 12 chroot, as a user other than root, without network, then checks all
# of it with lintian, which must find no error and no warning.
#
#   bash tools/debian-package.sh [<chroot folder>] [<output folder>]
#
# Run as root (debootstrap, chroot and unshare need it). The chroot is made once with debootstrap (default
# /var/cache/morvint-chroot/bookworm, a few hundred MB) and reused: each run installs the build dependencies
# of debian/control into it (with network), then builds in its folder /build, emptied first. The results go to
# the output folder (default build-debian/): the .orig.tar.xz, .debian.tar.xz, .dsc, .changes, .buildinfo and
# the packages morvint, morvint-data and morvint-dbgsym. MORVINT_DEB_BUILD_OPTIONS adds to DEB_BUILD_OPTIONS
# (nocheck leaves the tests out, for a quick look at the packages).
#
# It takes about as long as a build and a run of the tests on this machine, so it is not part of CI
# (tools/test.sh); run it by hand before changing debian/ or the install.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

chroot_dir=${1:-/var/cache/morvint-chroot/bookworm}
out=$(realpath -m "${2:-build-debian}")
mirror=http://deb.debian.org/debian
builder=builder

say() { printf '== %s\n' "$*"; }
die() {
    printf 'debian-package: %s\n' "$*" >&2
    exit 1
}

(($(id -u) == 0)) || die "run as root: debootstrap, chroot and unshare need it"
for tool in debootstrap lintian unshare git xz; do
    command -v "$tool" >/dev/null || die "$tool is missing (bash tools/setup.sh installs it)"
done

# The version: <base>+<commits>.g<commit>, as cmake/WriteVersion.cmake forms it, and Debian revision 1.
base=$(sed -n 's/^project(morvint VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[[ -n $base ]] || die "no version in CMakeLists.txt"
commit=$(git rev-parse --short=8 HEAD)
upstream="$base+$(git rev-list --count HEAD).g$commit"
version="$upstream-1"
[[ -z $(git status --porcelain --untracked-files=no) ]] ||
    echo "debian-package: note: uncommitted changes are left out, the archive is of HEAD ($commit)" >&2

# --- the chroot: made once, then reused ------------------------------------------------------------------------

if [[ ! -x $chroot_dir/usr/bin/dpkg-buildpackage ]]; then
    say "making a Debian 12 chroot in $chroot_dir (debootstrap)"
    rm -rf "$chroot_dir.new"
    mkdir -p "$(dirname "$chroot_dir")"
    debootstrap --variant=buildd bookworm "$chroot_dir.new" "$mirror"
    # A chroot thrown away rather than repaired after a crash need not have dpkg wait for the disk.
    echo force-unsafe-io >"$chroot_dir.new/etc/dpkg/dpkg.cfg.d/unsafe-io"
    rm -rf "$chroot_dir"
    mv "$chroot_dir.new" "$chroot_dir"
fi
chroot "$chroot_dir" id -u "$builder" >/dev/null 2>&1 || chroot "$chroot_dir" useradd --create-home "$builder"

# in_chroot <unshare options...> -- <command...>: runs the command in the chroot in a mount namespace of its
# own, with /proc, a fresh /dev/shm and pseudo-terminals of its own (tests write to a terminal), which end
# with it.
in_chroot() {
    local options=()
    while [[ $1 != -- ]]; do
        options+=("$1")
        shift
    done
    shift
    unshare --mount --propagation private "${options[@]}" bash -c '
        set -e
        root=$1
        shift
        mount -t proc proc "$root/proc"
        mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
        mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$root/dev/pts"
        mount --bind "$root/dev/pts/ptmx" "$root/dev/ptmx"
        # Without network all the same: only the loopback, which tests may use, is up.
        if [[ -n ${MORVINT_NO_NETWORK:-} ]]; then ip link set lo up; fi
        exec chroot "$root" "$@"' in_chroot "$chroot_dir" "$@"
}

# --- the sources: the upstream tarball without debian/, and the tree with it -------------------------------

work=$chroot_dir/build
rm -rf "$work"
mkdir -p "$work"
tree=morvint-$upstream
orig=morvint_$upstream.orig.tar.xz
say "archiving $commit as $orig"
git archive --format=tar --prefix="$tree/" HEAD -- . ':(exclude)debian' | xz -6 -T1 >"$work/$orig"
git archive --format=tar --prefix="$tree/" HEAD | tar -x -C "$work"

# debian/changelog names the version of the commit it was written at; a later commit is a snapshot of its own,
# which gets an entry of its own, dated as the commit (so SOURCE_DATE_EPOCH is the commit's time).
top_version=$(sed -n '1s/^morvint (\([^)]*\)).*/\1/p' "$work/$tree/debian/changelog")
if [[ $top_version != "$version" ]]; then
    maintainer=$(sed -n 's/^Maintainer: //p' "$work/$tree/debian/control")
    {
        printf 'morvint (%s) unstable; urgency=medium\n\n' "$version"
        printf '  * Snapshot of commit %s.\n\n' "$commit"
        printf ' -- %s  %s\n\n' "$maintainer" "$(date -u -R -d "@$(git log -1 --format=%ct HEAD)")"
        cat "$work/$tree/debian/changelog"
    } >"$work/changelog"
    mv "$work/changelog" "$work/$tree/debian/changelog"
fi
chroot "$chroot_dir" chown -R "$builder:$builder" /build

# --- the build dependencies, with network ------------------------------------------------------------------

say "installing the build dependencies in the chroot"
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
in_chroot -- env DEBIAN_FRONTEND=noninteractive bash -c "
    set -e
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends build-essential >/dev/null
    apt-get build-dep -y -qq --no-install-recommends /build/$tree >/dev/null
    apt-get clean"

# --- the build, without network and not as root -------------------------------------------------------------

say "building $version as $builder, without network"
start=$SECONDS
MORVINT_NO_NETWORK=1 in_chroot --net -- env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/home/$builder \
    DEB_BUILD_OPTIONS="parallel=$(nproc)${MORVINT_DEB_BUILD_OPTIONS:+ $MORVINT_DEB_BUILD_OPTIONS}" \
    setpriv --reuid="$builder" --regid="$builder" --init-groups \
    bash -c "cd /build/$tree && dpkg-buildpackage -us -uc" 2>&1 | tee "$work/build.log"
say "built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"

rm -rf "$out"
mkdir -p "$out"
cp "$work/build.log" "$work"/*.{dsc,changes,buildinfo,tar.xz,deb} "$out/"

# --- lintian: no error, no warning ----------------------------------------------------------------------------

say "lintian"
status=0
(cd "$out" && lintian --display-info --fail-on error,warning ./*.dsc ./*.changes ./*.deb) || status=$?
say "packages"
for deb in "$out"/*.deb; do
    printf '%8s  %s\n' "$(du -k --apparent-size "$deb" | cut -f1)K" "$(basename "$deb")"
done
((status == 0)) || die "lintian found errors or warnings"
say "done: $out"
