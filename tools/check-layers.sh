#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a folder of the program includes from a folder above it, and lists each such include.
#
# The program's folders are layers; a file may include from its own folder and from any lower layer:
#
#   core ← store ← controls ← shell ← pages ← app ← main.cpp
#
# res/ (the generated pictures and sound, the resource ids and the layout numbers) includes nothing of the
# program's own: it is a leaf at the bottom, beside core/, that any layer above may include.
#
# Checked: the .h and .cpp files of the folders in the table below. main.cpp and tests/, tools/, bench/ and
# fuzz/ may include anything and are not checked. An include that names no folder is one of the file's own
# folder. Usage: check-layers.sh [source root], by default the repository this script lies in.
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"

# The table, written once: each folder's layer. A folder may include its own and those of a lower layer.
declare -A layer=(
    [core]=0
    [res]=0
    [store]=1
    [controls]=2
    [shell]=3
    [pages]=4
    [app]=5
)

offences=0
checked=0
for folder in $(printf '%s\n' "${!layer[@]}" | sort); do
    [[ -d "$folder" ]] || continue
    while IFS= read -r -d '' file; do
        checked=$((checked + 1))
        number=0
        while IFS= read -r line; do
            number=$((number + 1))
            [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
            included="${BASH_REMATCH[1]}"
            [[ "$included" == */* ]] || continue
            target="${included%%/*}"
            [[ "$target" == "$folder" ]] && continue
            if [[ -n "${layer[$target]+set}" ]] && ((layer[$target] < layer[$folder])); then
                continue
            fi
            echo "$file:$number: includes \"$included\": $folder/ may not include from $target/"
            offences=$((offences + 1))
        done <"$file"
    done < <(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
done

if ((offences > 0)); then
    echo "check-layers: $offences include(s) point up or sideways" >&2
    exit 1
fi
echo "check-layers: $checked files, every include points down"
