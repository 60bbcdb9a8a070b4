#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The software-centre entry, checked as strictly as appstreamcli can. Its one pedantic remark is accepted: the
# component id "org.morvint.Quintara" has a capital letter, as the desktop entry's and the icons' names do, and
# the three must agree.
# Usage: ValidateMetainfo.sh <metainfo file>
set -euo pipefail
output="$(appstreamcli validate --pedantic --no-net "$1" 2>&1)" || {
  echo "$output"
  exit 1
}
echo "$output"
remarks="$(grep -E '^[[:space:]]*[EWIP]: ' <<<"$output" | grep -v 'cid-contains-uppercase-letter' || true)"
if [ -n "$remarks" ]; then
  echo "FAIL: appstreamcli has remarks: $remarks" >&2
  exit 1
fi
