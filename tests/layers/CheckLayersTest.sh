#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check on small trees of its own: a tree whose includes all point down passes; each include that
# points up or sideways is listed with its file and line, and fails the check.
# Usage: CheckLayersTest.sh <check-layers.sh>
set -euo pipefail
check="$1"
# shellcheck source=tests/layers/ScratchTree.sh
source "$(dirname "$0")/ScratchTree.sh"

put core/A.h '#pragma once' '#include <vector>'
put store/B.cpp '#include "store/B.h"' '#include "core/A.h"' '#include "Local.h"'
put controls/C.cpp '#include "res/Layout.h"' '#include "core/A.h"'
put shell/D.cpp '#include "controls/C.h"' '#include "store/B.h"'
put pages/E.cpp '#include "shell/D.h"' '#include "res/ResourceIds.h"'
put app/F.cpp '#include "pages/E.h"'
put main.cpp '#include "app/F.h"'
put tests/T.cpp '#include "app/F.h"' '#include "tests/support/S.h"'

bash "$check" "$scratch" >"$scratch/out" 2>&1 || fail "a tree whose includes point down was refused: $(cat "$scratch/out")"

put core/A.h '#pragma once' '#include "store/B.h"'
put store/B.cpp '#include "store/B.h"' '#include "core/A.h"' '  #  include "controls/C.h"'
put res/Layout.h '#include "core/A.h"'
put pages/E.cpp '#include "shell/D.h"' '#include "app/F.h"' '#include "tests/support/S.h"'
put shell/G.cpp '#include "pages/E.h"' '#include "app/F.h"'
# The message sink lives in shell/: the store and the core return outcomes and never show a message.
put store/Speaks.cpp '#include "store/B.h"' '#include "shell/MessageSink.h"'
put core/Speaks.cpp '#include "shell/MessageSink.h"'

if bash "$check" "$scratch" >"$scratch/out" 2>&1; then
    fail "includes that point up were let through"
fi
expected=(
    'core/A.h:2: includes "store/B.h": core/ may not include from store/'
    'core/Speaks.cpp:1: includes "shell/MessageSink.h": core/ may not include from shell/'
    'store/Speaks.cpp:2: includes "shell/MessageSink.h": store/ may not include from shell/'
    'pages/E.cpp:2: includes "app/F.h": pages/ may not include from app/'
    'pages/E.cpp:3: includes "tests/support/S.h": pages/ may not include from tests/'
    'res/Layout.h:1: includes "core/A.h": res/ may not include from core/'
    'shell/G.cpp:1: includes "pages/E.h": shell/ may not include from pages/'
    'shell/G.cpp:2: includes "app/F.h": shell/ may not include from app/'
    'store/B.cpp:3: includes "controls/C.h": store/ may not include from controls/'
)
for line in "${expected[@]}"; do
    grep -qxF "$line" "$scratch/out" || fail "not listed: $line; the check said: $(cat "$scratch/out")"
done
listed=$(grep -c 'may not include' "$scratch/out")
((listed == ${#expected[@]})) || fail "$listed offences listed, ${#expected[@]} expected: $(cat "$scratch/out")"
echo "ok"
