#!/usr/bin/env bash
# Redraws the README's pictures of results, docs/images/statistics.png, archive.png and records.png, on 123
# predictions whose draw numbers are drawn at random with a fixed seed: they show what the program makes of
# plain chance, never of draws chosen to match the codes. The codes are the program's own, each day's from a
# random table filled from the same generator (tools/results/ResultsPictures.cpp). The database and the
# workbook of the same records stay in <build>/results-pictures/ for a look with `morvint --database` or a
# spreadsheet.
# A tool, not a test. Usage: tools/results-pictures.sh [build folder, default build] [seed, default 20261208]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
seed="${2:-20261208}"
work="$build/results-pictures"

cmake --build "$build" --target results_pictures morvint_emptydb morvint morvint_art_files
rm -rf "$work"
mkdir -p "$work/config"
"$build/tools/morvint_emptydb" "$work/records.db"
"$build/tools-bin/results_pictures" "$seed" "$work/records.db" "$work"
# The default prices, not those of whoever runs this.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" \
  "$build/bin/morvint" --database "$work/records.db" --export-xlsx "$work/records.xlsx"

for picture in statistics archive records; do
  cp "$work/$picture.png" "docs/images/$picture.png"
  echo "docs/images/$picture.png  <-  $work/$picture.png (seed $seed)"
done
