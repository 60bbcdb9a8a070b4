#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run, test and package.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

PACKAGES=(
  # toolchain
  g++ cmake make pkg-config clang-format
  # windows, painting and sound
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  # Qt's own texts (message-box buttons, text-box menus) in Chinese
  qt6-translations-l10n
  # database
  libsqlite3-dev sqlite3
  # the records as an Excel workbook, and printing and PDF (Qt Print Support comes with qt6-base-dev)
  libxlsxwriter-dev
  # fonts: Noto Serif CJK SC stands in for 宋体, Noto Sans CJK SC for 黑体
  fonts-noto-cjk
  # a brush-style (kai) face for the titles drawn into the pictures
  fonts-lxgw-wenkai
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing, sanitizers, packaging checks, trying other dates
  clang libclang-rt-14-dev appstream desktop-file-utils faketime
  # the calendar: the astronomy its generator computes with (tools/calendar), and the independent calendar
  # the tests compare every day with (run by /usr/bin/python3)
  libnova-dev python3-lunardate
  # the Debian packages (dpkg-shlibdeps, dpkg-buildflags, lintian) and their test, which checks the hardening
  # (hardening-check), reads the manual page (man) and starts the package's program under X
  dpkg-dev lintian devscripts man-db
  # reading back what the program writes: the workbook (openpyxl) and the printed slip's PDF (pdftotext,
  # pdftoppm)
  python3-openpyxl poppler-utils
  # the real-desktop test: an X server, a window manager, a hand on the mouse and keyboard, window
  # properties, screenshots
  xvfb xauth openbox xdotool x11-utils imagemagick xclip
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
