#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the project needs to build, run, test and package.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

# What the build and its tests need is debian/control's Build-Depends (a distribution builds from that list):
# each package's name, without versions, architectures, build profiles and alternatives after the first.
# Plain awk and sed, which every Debian has, read it.
build_depends() {
  awk '/^#/ { next }
       /^[^ \t]/ { field = ($0 ~ /^Build-Depends(-Arch|-Indep)?:/); sub(/^[^:]*:/, "") }
       field { print }' debian/control |
    tr ',' '\n' |
    sed -e 's/|.*//' -e 's/[[(<].*//' -e 's/:any//' -e 's/[[:space:]]//g' -e '/^$/d' \
        -e 's/^debhelper-compat$/debhelper/'
}
mapfile -t PACKAGES < <(build_depends)
((${#PACKAGES[@]})) || { echo "setup: no Build-Depends in debian/control" >&2; exit 1; }

# Tools for developers, not for building the package.
PACKAGES+=(
  # the compiler (build-essential goes without saying in Build-Depends), the formatter, the benchmarks
  build-essential clang-format libbenchmark-dev
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # the calendar: the astronomy its generator computes with (tools/calendar)
  libnova-dev
  # the packages of `cpack -G DEB` and their test, which checks the hardening (hardening-check, devscripts);
  # the source package built in a clean chroot (tools/debian-package.sh)
  dpkg-dev lintian devscripts debootstrap
  # the real-desktop test: an X server, a window manager, a hand on the mouse and keyboard, window
  # properties, screenshots, fontconfig's fc-match (the test checks the font caches it leaves)
  xvfb xauth openbox xdotool x11-utils imagemagick xclip fontconfig
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
