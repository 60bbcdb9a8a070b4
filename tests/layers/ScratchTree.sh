# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests of the tree's own scripts share: a scratch folder removed at the end, a failure that says why,
# and put, which writes a file of the scratch tree with the given lines. Sourced, not run.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# put <path> <line>...: writes the file with the given lines, making its folders.
put() {
    local file="$scratch/$1"
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\n' "$@" >"$file"
}
