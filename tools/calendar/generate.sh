#!/usr/bin/env bash
# Remakes core/LunarCalendarData.h from the astronomy: builds the generator (it needs libnova-dev, which
# tools/setup.sh installs), runs it and formats its output. Takes a few seconds; the program's build never
# runs it. The generator's notes on standard error list the dates that sit within minutes of midnight.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S tools/calendar -B build-calendar -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-calendar > /dev/null
build-calendar/make_calendar_data core/LunarCalendarData.h
clang-format -i core/LunarCalendarData.h
