#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer) and runs each for a
# bounded time, then reports how many inputs each one tried. A crash stops the script with the fuzzer's report
# and the input that caused it (in build-fuzz/crashes/).
#
#   bash tools/fuzz.sh             # every target, 60 seconds each
#   bash tools/fuzz.sh 10          # 10 seconds each
#   bash tools/fuzz.sh 300 fuzz_database
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(fuzz_column_text fuzz_fortune_code fuzz_database fuzz_draw_import fuzz_restore)
fi
build="${MORVINT_FUZZ_BUILD:-build-fuzz}"

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not installed (bash tools/setup.sh installs it)" >&2
  exit 1
fi

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMORVINT_FUZZ=ON -DMORVINT_SANITIZE=ON -DMORVINT_TESTS=OFF -DMORVINT_BENCH=OFF >"$build.configure.log" ||
  { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" morvint_emptydb

# Seeds: the committed ones, and for the database a fresh file and one with a player and a few predictions, so
# that mutations reach the rows and not only the file header.
seed_databases() {
  local folder="$1"
  rm -f "$folder/empty.db" "$folder/history.db"
  "$build/tools/morvint_emptydb" "$folder/empty.db"
  cp "$folder/empty.db" "$folder/history.db"
  sqlite3 "$folder/history.db" <<'SQL'
UPDATE player SET name = '李明', sex = '小姐', shuxiang = '兔', yunqi = '8A012345654321';
INSERT INTO data_history VALUES (1, '2009-06-17 09:30:00', '2009160', '123', '234', '345', '456', '567', '678',
                                 '789', '890', '345', 3);
INSERT INTO data_history VALUES (2, 40000.5, 2009161, 12, 23, 34, 45, 56, 67, 78, 89, '未知', 11);
INSERT INTO data_history (record_order, record_date) VALUES (3, NULL);
SQL
  # A sound backup with an archive, which a restore takes whole.
  rm -f "$folder/archive.db"
  cp "$folder/empty.db" "$folder/archive.db"
  sqlite3 "$folder/archive.db" <<'SQL'
INSERT INTO data_history VALUES (1, '2009-06-18 09:30:00', '2009161', '123', '234', '345', '456', '567', '678',
                                 '789', '890', '未知', 11);
CREATE TABLE data_archive (archive_order INTEGER PRIMARY KEY, record_order INTEGER NOT NULL, record_date TEXT,
  open_order TEXT, data_1 TEXT, data_2 TEXT, data_3 TEXT, data_4 TEXT, data_5 TEXT, data_6 TEXT, data_7 TEXT,
  data_8 TEXT, open_data TEXT, is_right INTEGER, archived_at TEXT NOT NULL);
INSERT INTO data_archive VALUES (1, 1, '2009-06-17 09:30:00', '2009160', '123', '234', '345', '456', '567', '678',
                                 '789', '890', '345', 3, '2026-12-08 09:00:00');
PRAGMA user_version = 1;
SQL
}

mkdir -p "$build/crashes"
summary=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  if [ -d "fuzz/seeds/$target" ]; then
    cp -n fuzz/seeds/"$target"/* "$corpus/" 2>/dev/null || true
  fi
  if [ "$target" = fuzz_database ] || [ "$target" = fuzz_restore ]; then
    command -v sqlite3 >/dev/null && seed_databases "$corpus"
  fi
  log="$build/$target.log"
  echo "== $target: ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp" "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -max_len=16384 -artifact_prefix="$build/crashes/$target-" "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz: $target failed; the input is in $build/crashes/" >&2
    exit 1
  fi
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  took="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)"
  summary+=("$(printf '%-18s %12s inputs in %4s s, corpus %s files' "$target" "$runs" "$took" \
    "$(find "$corpus" -type f | wc -l)")")
done

echo "== inputs tried"
printf '%s\n' "${summary[@]}"
