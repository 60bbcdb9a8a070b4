#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build as a distribution and as a user would, and checks what each gets:
# - the standard layout under a prefix: the program in bin/ (games/ when the build was configured with
#   MORVINT_INSTALL_GAME, as a Debian source package's is), its sound plugin in its private library folder,
#   its files and the template database in share/morvint/, a desktop entry that starts it from the PATH with
#   the theme's icon, and nothing else at the top of the prefix;
# - a portable program folder (with a blank in its name, as a user's folder may have): every file beside the
#   executable, a database that a second install leaves alone, and an entry that names the folder.
# Usage: InstallTest.sh <cmake> <build folder> <scratch folder> <program's folder: bin or games>
set -euo pipefail
cmake_command="$1"
build="$2"
scratch="$3"
bindir="$4"
app_id=org.morvint.Quintara

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Every file the program reads, as named in its code.
program_files=(jiu_low.wav help.html help_yuce.html help_yunqi.html
  main.ggr left.ggr start.ggr make_gua.ggr get_gua.ggr gua_exp.ggr get_num.ggr history.ggr player.ggr
  inputdate.ggr date_error.ggr about_save.ggr about.ggr statistics.ggr select.mid history.mid player.mid answer.mid
  taiji_0.bmp taiji_1.bmp taiji_2.bmp taiji_3.bmp taiji_4.bmp taiji_5.bmp
  乾.bmp 兑.bmp 离.bmp 震.bmp 巽.bmp 坎.bmp 艮.bmp 坤.bmp)
for frame in $(seq 1 18); do program_files+=("$frame.bmp"); done

expect_files() {  # <folder> <file>...
  local folder="$1"
  shift
  for file in "$@"; do
    [ -s "$folder/$file" ] || fail "$file is missing from $folder"
  done
}

expect_fresh_database() {  # <file>
  [ "$(sqlite3 "$1" 'SELECT name FROM player')" = "新玩家" ] || fail "no new player in $1"
  [ "$(sqlite3 "$1" 'SELECT count(*) FROM data_history')" = "0" ] || fail "$1 is not empty"
}

expect_icons() {  # <share folder>
  for size in 16 22 24 32 48 64 128 256; do
    [ -s "$1/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size}px icon in $1"
  done
}

rm -rf "$scratch"
mkdir -p "$scratch"

# --- The standard layout.
prefix="$scratch/usr"
"$cmake_command" --install "$build" --prefix "$prefix" >"$scratch/standard.log"
[ "$(ls "$prefix")" = "$(printf '%s\nlib\nshare' "$bindir")" ] ||
  fail "the prefix holds more than $bindir, lib and share: $(ls "$prefix")"
[ "$(ls "$prefix/$bindir")" = morvint ] || fail "$bindir holds more than the program: $(ls "$prefix/$bindir")"
[ -x "$prefix/$bindir/morvint" ] || fail "$bindir/morvint is not executable"
# The three plugins (sound, workbook, print), alone in the program's private library folder (lib/morvint, or
# lib/<triplet>/morvint).
plugins="$(cd "$prefix/lib" && find . -type f -printf '%f\n' | sort | tr '\n' ' ')"
folders="$(cd "$prefix/lib" && find . -type f -printf '%h\n' | sort -u)"
[[ $plugins == "morvint_print.so morvint_sound.so morvint_workbook.so " ]] ||
  fail "lib holds more or less than the three plugins: $plugins"
[[ $folders =~ ^\./([a-z0-9_-]+/)?morvint$ ]] || fail "the plugins are not in one private folder: $folders"
expect_files "$prefix/share/morvint" "${program_files[@]}"
expect_fresh_database "$prefix/share/morvint/morvint.db"
expect_icons "$prefix/share"
[ -s "$prefix/share/man/man6/morvint.6.gz" ] || fail "no manual page"
for unexpected in morvint.db share/morvint/morvint share/morvint/bin; do
  [ ! -e "$prefix/$unexpected" ] || fail "$unexpected should not be installed"
done

entry="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
grep -qFx "Exec=morvint" "$entry" || fail "Exec= does not start the program from the PATH"
grep -qFx "TryExec=morvint" "$entry" || fail "TryExec= is not the program"
grep -qFx "Icon=$app_id" "$entry" || fail "Icon= is not the theme name"
grep -qFx "StartupWMClass=morvint" "$entry" || fail "StartupWMClass= is not the program's window class"
! grep -q "^Path=" "$entry" || fail "the program needs no working folder"
grep -q '^Name=.*周易' "$entry" || fail "the entry has no Chinese name"
grep -q '^Comment=.*排列三' "$entry" || fail "the entry has no Chinese comment"
grep -q '^Keywords\[zh_CN\]=.*周易' "$entry" || fail "the entry has no Chinese keywords"
appstreamcli validate-tree --no-net "$prefix" >"$scratch/validate-tree.log" ||
  fail "appstreamcli rejects the installed metainfo or its desktop entry: $(cat "$scratch/validate-tree.log")"

# A staged install for a package writes under the stage only.
DESTDIR="$scratch/stage" "$cmake_command" --install "$build" --prefix /usr >"$scratch/stage.log"
[ -s "$scratch/stage/usr/share/morvint/morvint.db" ] || fail "no template in the staged tree"
[ "$(ls "$scratch/stage")" = usr ] || fail "a staged install wrote outside its prefix"

# --- The portable program folder.
folder="$scratch/程序 folder"
"$cmake_command" --install "$build" --component portable --prefix "$folder" >"$scratch/portable.log"
expect_files "$folder" morvint morvint_sound.so morvint_workbook.so morvint_print.so morvint.db "${program_files[@]}"
[ -x "$folder/morvint" ] || fail "morvint is not executable"
expect_fresh_database "$folder/morvint.db"
expect_icons "$folder/share"
entry="$folder/share/applications/$app_id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
grep -qFx "Exec=\"$folder/morvint\"" "$entry" || fail "Exec= is not the folder's program"
grep -qFx "TryExec=$folder/morvint" "$entry" || fail "TryExec= is not the folder's program"
[ -s "$(sed -n 's/^Icon=//p' "$entry")" ] || fail "Icon= names no file"
appstreamcli validate-tree --no-net "$folder" >"$scratch/validate-portable.log" ||
  fail "appstreamcli rejects the folder's metainfo or entry: $(cat "$scratch/validate-portable.log")"

# Installing again over a folder in use keeps the player's data.
sqlite3 "$folder/morvint.db" "UPDATE player SET name = '李明'"
"$cmake_command" --install "$build" --component portable --prefix "$folder" >"$scratch/reinstall.log"
[ "$(sqlite3 "$folder/morvint.db" 'SELECT name FROM player')" = "李明" ] || fail "a second install replaced morvint.db"
grep -q "Keeping: .*morvint.db" "$scratch/reinstall.log" || fail "the second install did not say it kept morvint.db"

# Staged, the folder's entry names the final folder, not the stage.
DESTDIR="$scratch/stage-portable" "$cmake_command" --install "$build" --component portable \
  --prefix /opt/quintara >"$scratch/stage-portable.log"
grep -qFx 'Exec="/opt/quintara/morvint"' "$scratch/stage-portable/opt/quintara/share/applications/$app_id.desktop" ||
  fail "a staged entry names the stage instead of the final folder"

rm -rf "$scratch"
echo "install: standard layout and portable folder checked (${#program_files[@]} program files each)"
