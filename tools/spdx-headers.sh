#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of ours opens with the licence's SPDX identifier: C++ sources and headers, CMake files,
# shell and Python scripts, after the #! line where there is one.
#
#   spdx-headers.sh [source folder]           adds the line to each file that lacks it (running it again
#                                             changes nothing)
#   spdx-headers.sh --check [source folder]   lists each file that lacks it, and fails if there is one
#
# The files are those git tracks (or, outside a git checkout, those a find sees outside build folders).
set -euo pipefail
check=""
if [ "${1:-}" = --check ]; then
  check=yes
  shift
fi
source_dir="$(cd "${1:-$(dirname "$0")/..}" && pwd -P)"
cd "$source_dir"
readonly identifier="SPDX-License-Identifier: GPL-3.0-or-later"

sources() {
  if git rev-parse --show-toplevel >/dev/null 2>&1 && [ "$(git rev-parse --show-toplevel)" = "$source_dir" ]; then
    git ls-files -z -- '*.h' '*.cpp' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' '*.sh' '*.py' '.ci/run'
  else
    find . \( -path './build*' -o -path './.git' \) -prune -o -type f \( -name '*.h' -o -name '*.cpp' -o \
      -name '*.cmake' -o -name CMakeLists.txt -o -name '*.sh' -o -name '*.py' -o -path ./.ci/run \) \
      -printf '%P\0'
  fi
}

comment_for() {
  case "$1" in
    *.h | *.cpp) echo "//" ;;
    *) echo "#" ;;
  esac
}

# The files whose first two lines (where a #! line may stand before it) lack the identifier, one a line: one
# head for all of them, as a process per file would take seconds.
missing_files() {
  sources | xargs -0 -r head -v -n 2 -- | awk -v id="$identifier" '
    /^==> .* <==$/ { if (name != "" && !found) print name; name = substr($0, 5, length($0) - 8); found = 0; next }
    index($0, id) { found = 1 }
    END { if (name != "" && !found) print name }'
}

missing=0
while IFS= read -r file; do
  [ -f "$file" ] || continue
  if [ -n "$check" ]; then
    echo "no SPDX line: $file"
    missing=$((missing + 1))
    continue
  fi
  line="$(comment_for "$file") $identifier"
  if head -n 1 "$file" | grep -q '^#!'; then
    { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } >"$file.spdx"
  else
    { echo "$line"; cat "$file"; } >"$file.spdx"
  fi
  chmod --reference="$file" "$file.spdx"
  mv "$file.spdx" "$file"
done < <(missing_files)

if [ -n "$check" ] && [ "$missing" -gt 0 ]; then
  echo "FAIL: $missing source files lack the line '$identifier': bash tools/spdx-headers.sh adds it" >&2
  exit 1
fi
