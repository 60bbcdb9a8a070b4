#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page against the program it describes: every long option that `morvint --help` names has an entry
# of its own in the page (a tag under .TP), and every entry names an option the program still has. The page
# must also render without a warning from man or groff, as lintian reads it.
# Usage: ManPageTest.sh <program> <manual page, plain or gzipped>
set -euo pipefail
program="$1"
page="$2"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

help="$("$program" --help)" || fail "$program --help failed"
mapfile -t help_options < <(grep -oE -- '(^|[^-[:alnum:]])--[a-z][a-z0-9-]*' <<<"$help" | grep -oE -- '--[a-z0-9-]+' |
  sort -u)
# A page that would pass because nothing was found proves nothing.
((${#help_options[@]} >= 5)) || fail "--help names only ${#help_options[@]} options: $help"

# The tags of the .TP entries, with the page's \- written as -.
source="$(zcat -f "$page")"
mapfile -t page_options < <(awk '/^\.TP/ { tag = 1; next } tag { print; tag = 0 }' <<<"$source" |
  sed 's/\\-/-/g' | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)

missing="$(comm -23 <(printf '%s\n' "${help_options[@]}") <(printf '%s\n' "${page_options[@]}"))"
[ -z "$missing" ] || fail "the manual page has no entry for: $(tr '\n' ' ' <<<"$missing")"
stale="$(comm -13 <(printf '%s\n' "${help_options[@]}") <(printf '%s\n' "${page_options[@]}"))"
[ -z "$stale" ] || fail "the manual page describes options that --help does not name: $(tr '\n' ' ' <<<"$stale")"

warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "man warns about the page: $warnings"

echo "manual page: ${#help_options[@]} options, each with its entry: ${help_options[*]}"
