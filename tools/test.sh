#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine, then builds and runs every check: formatting, the folders' layers, the test
# suite with warnings as errors, and the same suite again under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
jobs="$(nproc)"
# Here the desktop test runs: a tool it lacks fails it rather than skipping it.
export MORVINT_DESKTOP_REQUIRED=1

# Runs a build's tests tier by tier, the quick tier first, after checking that every test has a tier.
test_tiers() {
  local dir=$1 tiers='^(unit|gui|process|desktop)$' tier
  if ! ctest --test-dir "$dir" -N -LE "$tiers" | grep -q '^Total Tests: 0$'; then
    echo "tests without a tier label (unit, gui, process, desktop):"
    ctest --test-dir "$dir" -N -LE "$tiers"
    return 1
  fi
  for tier in unit gui process desktop; do
    echo "-- $tier"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs" -L "^$tier\$"
  done
}

echo "== formatting"
git ls-files '*.h' '*.cpp' | xargs -r clang-format --dry-run --Werror

echo "== layers: every include points down"
bash tools/check-layers.sh

echo "== build and test"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVINT_WERROR=ON
cmake --build build-test -j"$jobs"
test_tiers build-test

echo "== build and test with AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DMORVINT_WERROR=ON -DMORVINT_SANITIZE=ON -DMORVINT_BENCH=OFF
cmake --build build-asan -j"$jobs"
# With LeakSanitizer: a leak fails its test. tools/lsan.supp names the few third-party libraries that keep
# memory until exit on purpose.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1 \
  test_tiers build-asan

echo "== fuzzing: each target for a few seconds (bash tools/fuzz.sh for longer runs)"
bash tools/fuzz.sh 10
