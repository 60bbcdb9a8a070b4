#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the pictures that the tests and the gallery targets drew in a build into docs/images/, each under the
# name the README and docs/DEVELOPING.md show it by. Run the tests first (see docs/DEVELOPING.md); a picture the
# build has not drawn is named and left as it was.
# Usage: tools/readme-pictures.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
images=docs/images

missing=0
copy() {  # <picture in the build, a glob> <name in docs/images>
  local found
  found="$(compgen -G "$build/$1" | head -n 1 || true)"
  if [ -z "$found" ]; then
    echo "not drawn: $build/$1" >&2
    missing=$((missing + 1))
    return
  fi
  cp "$found" "$images/$2.png"
  echo "$images/$2.png  <-  $found"
}

# The tour's records page shows draws typed to match the codes; the README's records.png, like every picture
# of results, comes from tools/results-pictures.sh and its random draws.
for view in home about player date date-notice start make show explanation numbers save-question; do
  copy "tour/??-$view.png" "$view"
done
copy "tour/??-home-hover-history.png" home-hover
copy "tour/??-date-refused-past.png" date-refused
copy "tour-200/??-explanation.png" explanation-200
for view in date show explanation; do
  copy "tour-today/??-today-$view.png" "today-$view"
done
for shot in two-copies saved records-open records-due home-focus number-menu; do
  copy "desktop/desktop-$shot.png" "desktop-$shot"
done
copy contact_sheet.png contact_sheet
copy controls.png controls

if ((missing > 0)); then
  echo "readme-pictures: $missing picture(s) not drawn in $build; the old ones stay" >&2
  exit 1
fi
