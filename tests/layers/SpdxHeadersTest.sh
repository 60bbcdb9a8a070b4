#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The SPDX script on a small git tree of its own: the check lists each tracked source file without the line and
# fails; the insertion puts the line first (after a #! line), in the comment of each kind of file, leaves
# untracked files and other kinds alone, passes the check afterwards, and changes nothing when run again.
# Usage: SpdxHeadersTest.sh <spdx-headers.sh>
set -euo pipefail
script="$1"
# shellcheck source=tests/layers/ScratchTree.sh
source "$(dirname "$0")/ScratchTree.sh"

put core/A.h '#pragma once' '// A.' 'int A();'
put core/A.cpp '// SPDX-License-Identifier: GPL-3.0-or-later' '#include "core/A.h"'
put CMakeLists.txt 'project(x)'
put cmake/X.cmake 'set(x 1)'
put tools/run.sh '#!/usr/bin/env bash' 'echo run'
put tools/read.py '#!/usr/bin/python3' 'print(1)'
put docs/README.md '# Title'
put core/Untracked.h '#pragma once'
chmod +x "$scratch/tools/run.sh"
git -C "$scratch" init -q
git -C "$scratch" add core/A.h core/A.cpp CMakeLists.txt cmake/X.cmake tools/run.sh tools/read.py docs/README.md

if bash "$script" --check "$scratch" >"$scratch/check.log" 2>&1; then
    fail "the check passed a tree without SPDX lines"
fi
for file in core/A.h CMakeLists.txt cmake/X.cmake tools/run.sh tools/read.py; do
    grep -qx "no SPDX line: $file" "$scratch/check.log" || fail "the check did not name $file: $(cat "$scratch/check.log")"
done
! grep -Eq 'A\.cpp|README|Untracked' "$scratch/check.log" || fail "the check named a file it should pass: $(cat "$scratch/check.log")"

bash "$script" "$scratch"
expect() {  # <file> <lines...>
    local file="$1"
    shift
    [ "$(cat "$scratch/$file")" = "$(printf '%s\n' "$@")" ] || fail "$file is now: $(cat "$scratch/$file")"
}
expect core/A.h '// SPDX-License-Identifier: GPL-3.0-or-later' '#pragma once' '// A.' 'int A();'
expect core/A.cpp '// SPDX-License-Identifier: GPL-3.0-or-later' '#include "core/A.h"'
expect CMakeLists.txt '# SPDX-License-Identifier: GPL-3.0-or-later' 'project(x)'
expect cmake/X.cmake '# SPDX-License-Identifier: GPL-3.0-or-later' 'set(x 1)'
expect tools/run.sh '#!/usr/bin/env bash' '# SPDX-License-Identifier: GPL-3.0-or-later' 'echo run'
expect tools/read.py '#!/usr/bin/python3' '# SPDX-License-Identifier: GPL-3.0-or-later' 'print(1)'
expect docs/README.md '# Title'
expect core/Untracked.h '#pragma once'
[ -x "$scratch/tools/run.sh" ] || fail "the script lost its executable bit"
bash "$script" --check "$scratch" || fail "the check failed after the insertion"

git -C "$scratch" add -A core/A.h CMakeLists.txt cmake/X.cmake tools/run.sh tools/read.py
bash "$script" "$scratch"
[ -z "$(git -C "$scratch" diff)" ] || fail "a second run changed: $(git -C "$scratch" diff)"
echo "the SPDX script checks, inserts once, and keeps #! lines first"
