#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes core/LunarCalendarData.h from the astronomy: builds the generator (it needs libnova-dev, which
# tools/setup.sh installs), runs it and formats its output. The program's build never runs it. The
# generator's notes on standard error list the dates that sit within minutes of midnight.
#
#   generate.sh                      writes core/LunarCalendarData.h (the generator is built in build-calendar/)
#   generate.sh --check <folder>     builds the generator in <folder> and fails when what it writes differs from
#                                    the committed core/LunarCalendarData.h by a single byte
#
# About 5 s to build the generator and 10 s to run it on a quiet 2-core machine.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
data="$source_dir/core/LunarCalendarData.h"
check=""
build="$source_dir/build-calendar"
if [ "${1:-}" = --check ]; then
  [ $# -eq 2 ] || { echo "usage: $0 [--check <build folder>]" >&2; exit 2; }
  check=yes
  build="$2"
fi
cmake -S "$source_dir/tools/calendar" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
"$build/make_calendar_data" "$build/LunarCalendarData.h" 2>"$build/notes.txt"
# Formatted as the file in the tree is: with the source tree's .clang-format, found from the name it stands for.
clang-format --assume-filename="$data" <"$build/LunarCalendarData.h" >"$build/LunarCalendarData.formatted.h"
if [ -z "$check" ]; then
  cat "$build/notes.txt" >&2
  cp "$build/LunarCalendarData.formatted.h" "$data"
elif ! cmp "$build/LunarCalendarData.formatted.h" "$data"; then
  diff -u "$data" "$build/LunarCalendarData.formatted.h" | head -40 >&2 || true
  echo "FAIL: core/LunarCalendarData.h is not what tools/calendar writes: run bash tools/calendar/generate.sh" >&2
  exit 1
else
  echo "core/LunarCalendarData.h is what tools/calendar writes, byte for byte"
fi
