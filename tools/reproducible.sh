#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages of one commit twice, as two different machines would, and compares them byte for
# byte: the first in a folder of one name with umask 0022 on today's date, the second in a folder of another
# name and depth with umask 0002 and its clock two days ahead (faketime). Both start from a fresh clone of the
# commit; the build takes its times from the commit (SOURCE_DATE_EPOCH, cmake/WriteVersion.cmake).
#
#   bash tools/reproducible.sh [commit] [scratch folder]
#
# Prints the sha256 of each package from each build and ends with 0 when they are the same; otherwise shows
# what differs (with diffoscope if it is installed, else the archive members, the file lists and cmp) and ends
# with 1. Two whole builds without tests: about 20 minutes on a quiet 2-core machine. With
# MORVINT_COMPILER_LAUNCHER=ccache the compiler's results may come from the cache: a quicker run, which still
# compares everything the build adds to them.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
commit="$(git -C "$source_dir" rev-parse --verify "${1:-HEAD}^{commit}")"
scratch="${2:-$(mktemp -d "${TMPDIR:-/tmp}/morvint-reproducible.XXXXXX")}"
mkdir -p "$scratch"
command -v faketime >/dev/null || { echo "faketime is needed (Debian package faketime)" >&2; exit 2; }

launcher=()
if [ -n "${MORVINT_COMPILER_LAUNCHER:-}" ]; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$MORVINT_COMPILER_LAUNCHER")
fi

# build <label> <source folder> <umask> [command prefix...]: clone, build and package into <scratch>/<label>.
build() {
  local label="$1" tree="$2" mask="$3"
  shift 3
  rm -rf "$tree" "$scratch/$label"
  mkdir -p "$(dirname "$tree")" "$scratch/$label"
  git clone --quiet --no-checkout "$source_dir" "$tree"
  git -C "$tree" checkout --quiet --detach "$commit"
  echo "$label: building $commit in $tree (umask $mask${*:+, $*})"
  (
    umask "$mask"
    "$@" cmake -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVINT_TESTS=OFF \
      -DMORVINT_BENCH=OFF "${launcher[@]}"
    "$@" cmake --build "$tree/build"
    cd "$tree/build" && "$@" cpack -G DEB -B "$scratch/$label/cpack"
  ) >"$scratch/$label.log" 2>&1 || { tail -30 "$scratch/$label.log" >&2; echo "$label: the build failed" >&2; exit 2; }
  mv "$scratch/$label"/cpack/*.deb "$scratch/$label/"
  rm -rf "$scratch/$label/cpack"
}

start=$SECONDS
build first "$scratch/first/morvint" 0022
# The clock library's monotonic clock stays true, or the build tools that wait on it may hang. The times of
# files stay true too: the art tool's fontconfig would otherwise write the machine's font caches with shifted
# folder times, and every program started afterwards would scan all its fonts again.
build second "$scratch/second/elsewhere/deeper/source" 0002 env FAKETIME_DONT_FAKE_MONOTONIC=1 NO_FAKE_STAT=1 \
  faketime -f +2d
echo "both builds: $((SECONDS - start)) s"

same=yes
for package in "$scratch"/first/*.deb; do
  name="$(basename "$package")"
  other="$scratch/second/$name"
  (cd "$scratch" && sha256sum "first/$name" && { [ -f "second/$name" ] && sha256sum "second/$name" || true; })
  if [ ! -f "$other" ]; then
    echo "DIFFERENT: the second build made no $name: $(ls "$scratch/second")"
    same=""
  elif ! cmp -s "$package" "$other"; then
    same=""
    echo "DIFFERENT: $name"
    if command -v diffoscope >/dev/null; then
      diffoscope "$package" "$other" | head -200 || true
    else
      diff <(ar tv "$package") <(ar tv "$other") || true
      diff <(dpkg-deb --contents "$package") <(dpkg-deb --contents "$other") | head -40 || true
      cmp "$package" "$other" || true
    fi
  fi
done
[ -n "$same" ] || exit 1
echo "the packages of both builds are the same, byte for byte"
