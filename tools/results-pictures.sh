#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the README's pictures of results, docs/images/statistics.png, archive.png, records.png and the two
# workbook-*.png, on 123 predictions whose draw numbers are drawn at random with a fixed seed: they show what
# the program makes of plain chance, never of draws chosen to match the codes. The codes are the program's
# own, each day's from a random table filled from the same generator (tools/results/ResultsPictures.cpp). The
# database and the workbook of the same records stay in <build>/results-pictures/ for a look with
# `morvint --database` or a spreadsheet.
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
# The settings of no one (the default ledger prices), not those of whoever runs this.
export XDG_CONFIG_HOME="$(cd "$work/config" && pwd)"
"$build/tools-bin/results_pictures" "$seed" "$work/records.db" "$work"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  "$build/bin/morvint" --database "$work/records.db" --export-xlsx "$work/records.xlsx"

pictures=(statistics archive records)
# The workbook as LibreOffice prints it (Debian's libreoffice-calc-nogui, not installed by tools/setup.sh): the
# first page of 预测记录 and the page of 统计. Without it the old pictures stay, and the script says so.
if command -v soffice >/dev/null; then
  (cd "$work" && HOME="$PWD/office-home" soffice --headless --convert-to pdf records.xlsx >/dev/null)
  pages="$(pdfinfo "$work/records.pdf" | awk '/^Pages:/ { print $2 }')"
  pdftoppm -r 72 -png -singlefile -f 1 -l 1 "$work/records.pdf" "$work/workbook-records"
  pdftoppm -r 72 -png -singlefile -f "$pages" -l "$pages" "$work/records.pdf" "$work/workbook-statistics"
  pictures+=(workbook-records workbook-statistics)
else
  echo "results-pictures: no soffice (libreoffice-calc-nogui): the workbook pictures were not redrawn" >&2
fi

for picture in "${pictures[@]}"; do
  cp "$work/$picture.png" "docs/images/$picture.png"
  echo "docs/images/$picture.png  <-  $work/$picture.png (seed $seed)"
done
