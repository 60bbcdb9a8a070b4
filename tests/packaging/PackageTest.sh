#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages, built from the tree that is already built and checked as a distribution and a user of it
# would meet them: the program in morvint, its architecture-independent files in morvint-data at exactly the
# same version; lintian finds no error and no warning; the version is this commit's and rises with every commit,
# so apt takes a newer build as an upgrade; the dependencies come from the libraries the program links (plus the
# CJK fonts, and Qt's Chinese texts as a recommendation); the program is stripped and hardened; the manual page
# documents every option; the metainfo's release is this version; dpkg upgrades the single package of before to
# these two. Then both are unpacked into a scratch root and the program is started there by an ordinary user
# from an unrelated folder: the first start makes the user's database from the installed template, a second
# start keeps it, and nothing is written anywhere else. Under a private X server the window carries the class
# that the desktop entry names, and the sound plugin is found in its installed folder when the pointer first
# brings the chime, not before.
# Usage: PackageTest.sh <cpack> <build folder> <source folder>
set -euo pipefail
cpack_command="$1"
build="$2"
source="$3"
here="$(cd "$(dirname "$0")" && pwd)"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# In /tmp, so that an unprivileged user can reach it whoever owns the build folder.
scratch="$(mktemp -d "${TMPDIR:-/tmp}/morvint-package.XXXXXX")"
chmod 755 "$scratch"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# --- The packages.
(cd "$build" && "$cpack_command" -G DEB -B "$scratch/package") >"$scratch/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -20 "$scratch/cpack.log")"
arch="$(dpkg --print-architecture)"
programs=("$scratch"/package/morvint_*_"$arch".deb)
datas=("$scratch"/package/morvint-data_*_all.deb)
[ "$(ls "$scratch/package"/*.deb | wc -l)" -eq 2 ] && [ -f "${programs[0]}" ] && [ -f "${datas[0]}" ] ||
  fail "cpack made other packages than morvint_*_$arch.deb and morvint-data_*_all.deb: $(ls "$scratch/package")"
deb="${programs[0]}"
data_deb="${datas[0]}"

lintian --display-info --fail-on error,warning "$deb" "$data_deb" >"$scratch/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$scratch/lintian.log")"
sed 's/^/lintian: /' "$scratch/lintian.log"

# The version: <base>+<commits>.g<commit> of the commit built, the same in both packages.
version="$(dpkg-deb --field "$deb" Version)"
[ "$(dpkg-deb --field "$data_deb" Version)" = "$version" ] || fail "morvint-data is not at version $version"
if git -C "$source" rev-parse HEAD >/dev/null 2>&1; then
  commits="$(git -C "$source" rev-list --count HEAD)"
  [[ $version =~ ^4\.3\.0\+$commits\.g([0-9a-f]+)$ ]] || fail "version $version is not 4.3.0+$commits.g<commit>"
  [[ "$(git -C "$source" rev-parse HEAD)" == "${BASH_REMATCH[1]}"* ]] || fail "version $version names another commit"
  # apt upgrades from every earlier build: the plain 4.3 of before and any commit before this one.
  for older in 4.3 "4.3.0+$((commits - 1)).gffffffff"; do
    dpkg --compare-versions "$version" gt "$older" || fail "version $version is not newer than $older"
  done
  release_date="$(TZ=UTC git -C "$source" log -1 --date=format-local:%F --format=%cd)"
else
  [ "$version" = 4.3.0 ] || fail "without git the version should be 4.3.0, not $version"
  # Dated by SOURCE_DATE_EPOCH, or by the newest file of the source: the moment the build wrote down.
  release_date="$(date -u -d "@$(cat "$build/packaging/source-date-epoch")" +%F)"
fi

# What each package holds.
[ "$(dpkg-deb --field "$data_deb" Architecture)" = all ] || fail "morvint-data is not Architecture: all"
for package in "$deb" "$data_deb"; do
  [ "$(dpkg-deb --field "$package" Section)" = games ] || fail "$(basename "$package") is not in the section games"
done
dpkg-deb --contents "$deb" | grep -q ' \./usr/share/morvint/' && fail "morvint holds files of morvint-data"
[ -z "$(dpkg-deb --contents "$data_deb" | awk '{print $6}' |
  grep -Ev '^\./(usr/(share/(doc/)?)?)?$|^\./usr/share/(morvint|doc/morvint-data)/')" ] ||
  fail "morvint-data holds files outside /usr/share/morvint: $(dpkg-deb --contents "$data_deb")"

depends="$(dpkg-deb --field "$deb" Depends)"
for needed in libqt6widgets6 libqt6printsupport6 libxlsxwriter4 libqt6multimedia6 libsqlite3-0 libc6 fonts-noto-cjk; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
grep -Fq "morvint-data (= $version)" <<<"$depends" || fail "Depends lacks morvint-data (= $version): $depends"
recommends="$(dpkg-deb --field "$deb" Recommends)"
[ "$recommends" = qt6-translations-l10n ] || fail "Recommends is not qt6-translations-l10n: $recommends"
[ -z "$(dpkg-deb --field "$data_deb" Depends)" ] || fail "morvint-data depends on something"
apt-get install --simulate "$deb" "$data_deb" >"$scratch/apt.log" 2>&1 ||
  fail "apt would not install them: $(cat "$scratch/apt.log")"
for package in morvint morvint-data; do
  grep -q "^Inst $package " "$scratch/apt.log" || fail "apt would not install $package: $(cat "$scratch/apt.log")"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
dpkg -x "$data_deb" "$root"
# Both carry the source's one copyright file, as it is.
for copyright in "$root/usr/share/doc/morvint/copyright" "$root/usr/share/doc/morvint-data/copyright"; do
  cmp -s "$source/debian/copyright" "$copyright" || fail "$copyright is not debian/copyright"
done

# --- The upgrade from the one package of before, morvint 4.3, which held the files morvint-data holds now and
# the program in /usr/bin: dpkg installs both new packages over it in a root of its own, deconfiguring the old
# package on the way as apt lets it (no library is there, hence --force-depends).
old="$scratch/old"
mkdir -p "$old/DEBIAN" "$old/usr/bin"
dpkg -x "$data_deb" "$old"
rm -rf "$old/usr/share/doc/morvint-data"
cp "$root/usr/games/morvint" "$old/usr/bin/morvint"
printf 'Package: morvint\nVersion: 4.3\nArchitecture: %s\nMaintainer: %s\nDescription: the package before\n' \
  "$arch" "$(dpkg-deb --field "$deb" Maintainer)" >"$old/DEBIAN/control"
dpkg-deb --build "$old" "$scratch/old.deb" >/dev/null
system="$scratch/system"
mkdir -p "$system/var/lib/dpkg/info" "$system/var/lib/dpkg/updates" "$system/var/log"
touch "$system/var/lib/dpkg/status"
in_system=(dpkg --root="$system" --force-depends --force-not-root --force-script-chrootless)
"${in_system[@]}" --install "$scratch/old.deb" >"$scratch/upgrade.log" 2>&1 || fail "the old package: $(cat "$scratch/upgrade.log")"
"${in_system[@]}" --auto-deconfigure --install "$data_deb" "$deb" >>"$scratch/upgrade.log" 2>&1 ||
  fail "no upgrade from morvint 4.3: $(cat "$scratch/upgrade.log")"
[ "$("${in_system[@]}" --search /usr/share/morvint/help.html 2>/dev/null)" = "morvint-data: /usr/share/morvint/help.html" ] ||
  fail "after the upgrade, morvint-data does not own its files: $("${in_system[@]}" --search /usr/share/morvint/help.html)"
[ ! -e "$system/usr/bin/morvint" ] && [ -x "$system/usr/games/morvint" ] || fail "the upgrade left the program in /usr/bin"
program="$root/usr/games/morvint"
! readelf --section-headers "$program" | grep -Eq '\.(symtab|debug_info)' || fail "the program is not stripped"
plugin="$(find "$root/usr/lib" -name morvint_sound.so)"
[ -n "$plugin" ] || fail "no sound plugin in the package"
! readelf --section-headers "$plugin" | grep -Eq '\.(symtab|debug_info)' || fail "the sound plugin is not stripped"
# Stack protector, fortified libc calls, read-only relocations bound at start, position-independent code: what
# Debian 12's dpkg-buildflags gives. Control-flow protection is not among its flags yet. The plugin calls no libc
# function that could be fortified, which hardening-check lets pass; the program must have some.
hardening-check --nocfprotection "$program" "$plugin" >"$scratch/hardening.log" 2>&1 ||
  fail "hardening: $(cat "$scratch/hardening.log")"
sed -n "\|^$program:|,/^[^ ]/p" "$scratch/hardening.log" | grep -q 'Fortify Source functions: yes' ||
  fail "no fortified libc calls in the program: $(cat "$scratch/hardening.log")"
sed 's/^/hardening: /' "$scratch/hardening.log"

[ "$(env -i "$program" --version | sed -n 2p)" = "版本：$version" ] ||
  fail "--version does not name the package version $version: $(env -i "$program" --version)"
bash "$here/ManPageTest.sh" "$program" "$root/usr/share/man/man6/morvint.6.gz"
zcat "$root/usr/share/doc/morvint/changelog.gz" >"$scratch/changelog"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$version" ] ||
  fail "the changelog's latest entry is not $version"
metainfo="$root/usr/share/metainfo/org.morvint.Quintara.metainfo.xml"
releases="$(grep -o '<release [^>]*>' "$metainfo")"
[ "$releases" = "<release version=\"$version\" date=\"$release_date\"/>" ] ||
  fail "the metainfo's release is not $version of $release_date: $releases"
# No address that is not real: no home page, no screenshots until the pictures have one.
! grep -Eq '<(url|screenshots)[ >]' "$metainfo" || fail "the metainfo names an address: $(grep -E '<(url|screenshot)' "$metainfo")"
template="$root/usr/share/morvint/morvint.db"
[ -s "$template" ] || fail "no template database in the package"
template_sum="$(sha256sum <"$template")"

# --- An ordinary user: nobody when the test runs as root.
home="$scratch/home"
elsewhere="$scratch/elsewhere"
runtime="$scratch/runtime"
mkdir -p "$home" "$elsewhere" "$runtime"
chmod 700 "$runtime"
as_user=()
user_id="$(id -u)"
if [ "$user_id" -eq 0 ]; then
  user_id=65534
  chown "$user_id:$user_id" "$home" "$elsewhere" "$runtime"
  as_user=(setpriv --reuid="$user_id" --regid="$user_id" --clear-groups)
fi

# Starts the installed program as the user from the unrelated folder, waits until it has database open, and
# ends it. Extra environment settings follow the database's path.
start_until_open() {  # <database> [NAME=value...]
  local database="$1"
  shift
  (cd "$elsewhere" && exec "${as_user[@]}" env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
    PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@" "$program") >>"$scratch/program.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local opened=""
  for _ in $(seq 1 300); do
    if [ -n "$(find "/proc/$pid/fd" -lname "$database" 2>/dev/null)" ]; then
      opened=yes
      break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "$opened" ] || fail "the program did not open $database: $(cat "$scratch/program.log")"
}

user_db="$home/.local/share/morvint/morvint.db"
start_until_open "$user_db"
cmp -s "$template" "$user_db" || fail "the user's database is not a copy of the template"
[ "$(stat -c %u "$user_db")" = "$user_id" ] || fail "the user's database is not theirs"

sqlite3 "$user_db" "UPDATE player SET name = '李明'"
start_until_open "$user_db"
[ "$(sqlite3 "$user_db" 'SELECT name FROM player')" = "李明" ] || fail "a second start replaced the user's database"

# $XDG_DATA_HOME moves the data folder.
start_until_open "$scratch/home/data/morvint/morvint.db" XDG_DATA_HOME="$scratch/home/data"
cmp -s "$template" "$scratch/home/data/morvint/morvint.db" || fail "no copy of the template in \$XDG_DATA_HOME"

[ "$(sha256sum <"$template")" = "$template_sum" ] || fail "the installed template was changed"
[ -z "$(ls -A "$elsewhere")" ] || fail "the program wrote into the folder it was started from: $(ls -A "$elsewhere")"
[ -z "$(find "$root" -newer "$deb" -type f)" ] || fail "the program wrote into its installation"

# --- Under X: the window's class is the one the desktop entry names, so the desktop ties them together.
if command -v Xvfb >/dev/null && command -v xwininfo >/dev/null && command -v xprop >/dev/null; then
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 >"$scratch/xvfb.log" 2>&1 &
  pids+=("$!")
  exec 3>&-
  for _ in $(seq 1 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
  done
  display=":$(head -1 "$scratch/display")"
  [ "$display" != ":" ] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
  (cd "$elsewhere" && exec "${as_user[@]}" env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
    PATH=/usr/bin:/bin DISPLAY="$display" "$program") >>"$scratch/program.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  window=""
  for _ in $(seq 1 300); do
    window="$(DISPLAY="$display" xwininfo -root -tree 2>/dev/null | awk '/"Quintara V4.3"/ {print $1; exit}')"
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no program window on $display: $(cat "$scratch/program.log")"
  wm_class="$(DISPLAY="$display" xprop -id "$window" WM_CLASS)"
  entry_class="$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/org.morvint.Quintara.desktop")"
  [[ "$wm_class" == *", \"$entry_class\"" ]] || fail "the window's class ($wm_class) is not $entry_class"
  echo "window: $wm_class"

  ! grep -Eq 'libQt6Multimedia|morvint_sound' "/proc/$program_pid/maps" ||
    fail "the audio libraries were loaded at start, before any sound"
  if command -v xdotool >/dev/null; then
    # The pointer onto 周易预测号码: its card comes with the chime, which loads the plugin.
    DISPLAY="$display" xdotool mousemove --window "$window" 10 10 mousemove --window "$window" 89 67
    for _ in $(seq 1 100); do
      grep -q 'morvint/morvint_sound\.so' "/proc/$program_pid/maps" && break
      sleep 0.1
    done
    grep -q 'morvint/morvint_sound\.so' "/proc/$program_pid/maps" ||
      fail "the installed sound plugin was not loaded for the chime: $(cat "$scratch/program.log")"
    echo "sound plugin: $(grep -o '/[^ ]*morvint_sound\.so' "/proc/$program_pid/maps" | head -n 1)"
  fi
else
  echo "no Xvfb, xwininfo or xprop: the window's class was not checked"
fi

for package in "$deb" "$data_deb"; do
  echo "package: $(basename "$package"): $(stat -c %s "$package") bytes, installed $(dpkg-deb --field "$package" \
    Installed-Size) KiB"
done
echo "Depends: $depends"
echo "Recommends: $recommends"
