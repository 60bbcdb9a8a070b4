#!/usr/bin/env bash
# Installs the build into a fresh folder (with a blank in its name, as a user's folder may have) and checks
# what a user gets: a complete program folder, an empty database, a valid desktop entry that points at the
# folder, and a database that a second install leaves alone.
# Usage: InstallTest.sh <cmake> <build folder> <scratch folder>
set -euo pipefail
cmake_command="$1"
build="$2"
scratch="$3"
app_id=org.morvint.Quintara

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
prefix="$scratch/程序 folder"
"$cmake_command" --install "$build" --prefix "$prefix" >"$scratch/install.log"

# Every file the program reads, beside the executable.
expected=(morvint morvint.db jiu_low.wav help.html help_yuce.html help_yunqi.html
  main.ggr left.ggr start.ggr make_gua.ggr get_gua.ggr gua_exp.ggr get_num.ggr history.ggr player.ggr
  inputdate.ggr date_error.ggr about_save.ggr about.ggr select.mid history.mid player.mid answer.mid
  taiji_0.bmp taiji_1.bmp taiji_2.bmp taiji_3.bmp taiji_4.bmp taiji_5.bmp
  乾.bmp 兑.bmp 离.bmp 震.bmp 巽.bmp 坎.bmp 艮.bmp 坤.bmp)
for frame in $(seq 1 18); do expected+=("$frame.bmp"); done
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || fail "$file is missing from the program folder"
done
[ -x "$prefix/morvint" ] || fail "morvint is not executable"
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size}px icon"
done

# A fresh database: both tables, the new player, no predictions.
[ "$(sqlite3 "$prefix/morvint.db" 'SELECT name FROM player')" = "新玩家" ] || fail "no new player in morvint.db"
[ "$(sqlite3 "$prefix/morvint.db" 'SELECT count(*) FROM data_history')" = "0" ] || fail "morvint.db is not empty"

# The desktop entry is valid and starts the installed program in its folder.
entry="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
grep -qFx "Path=$prefix" "$entry" || fail "Path= is not the program folder"
grep -qFx "Exec=\"$prefix/morvint\"" "$entry" || fail "Exec= is not the installed program"
grep -q '^Name=.*周易' "$entry" || fail "the entry has no Chinese name"
grep -q '^Comment=.*排列三' "$entry" || fail "the entry has no Chinese comment"
icon="$(sed -n 's/^Icon=//p' "$entry")"
[ -s "$icon" ] || fail "Icon= names no file"
appstreamcli validate-tree --no-net --strict "$prefix" ||
  fail "appstreamcli rejects the metainfo file or its desktop entry"

# Installing again over a folder in use keeps the player's data.
sqlite3 "$prefix/morvint.db" "UPDATE player SET name = '李明'"
"$cmake_command" --install "$build" --prefix "$prefix" >"$scratch/reinstall.log"
[ "$(sqlite3 "$prefix/morvint.db" 'SELECT name FROM player')" = "李明" ] || fail "a second install replaced morvint.db"
grep -q "Keeping: .*morvint.db" "$scratch/reinstall.log" || fail "the second install did not say it kept morvint.db"

# Staged installs (DESTDIR) write under the stage but name the final folder.
DESTDIR="$scratch/stage" "$cmake_command" --install "$build" --prefix /opt/quintara >"$scratch/stage.log"
[ -s "$scratch/stage/opt/quintara/morvint.db" ] || fail "no database in the staged folder"
grep -qFx "Path=/opt/quintara" "$scratch/stage/opt/quintara/share/applications/$app_id.desktop" ||
  fail "a staged entry names the stage instead of the final folder"

rm -rf "$scratch"
echo "install: ${#expected[@]} program files, icons, desktop entry and metainfo checked"
