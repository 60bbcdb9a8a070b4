#!/usr/bin/env bash
# The Debian package, built from the tree that is already built and checked as a user of the distribution would
# meet it: lintian finds no error, the dependencies come from the libraries the program links (plus the CJK
# fonts), apt accepts it, and the program is stripped. Then it is unpacked into a scratch root and started
# there by an ordinary user from an unrelated folder: the first start makes the user's database from the
# installed template, a second start keeps it, and nothing is written anywhere else. Under a private X server
# the window carries the class that the desktop entry names, and the sound plugin is found in its installed
# folder when the pointer first brings the chime, not before.
# Usage: PackageTest.sh <cpack> <build folder>
set -euo pipefail
cpack_command="$1"
build="$2"

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

# --- The package.
(cd "$build" && "$cpack_command" -G DEB -B "$scratch/package") >"$scratch/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -20 "$scratch/cpack.log")"
packages=("$scratch"/package/morvint_*_*.deb)
[ "${#packages[@]}" -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no single morvint_*.deb"
deb="${packages[0]}"

lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || fail "lintian: $(cat "$scratch/lintian.log")"
sed 's/^/lintian: /' "$scratch/lintian.log"

depends="$(dpkg-deb --field "$deb" Depends)"
for needed in libqt6widgets6 libqt6multimedia6 libsqlite3-0 libc6 fonts-noto-cjk; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
apt-get install --simulate "$deb" >"$scratch/apt.log" 2>&1 || fail "apt would not install it: $(cat "$scratch/apt.log")"
grep -q "^Inst morvint " "$scratch/apt.log" || fail "apt would not install morvint: $(cat "$scratch/apt.log")"

root="$scratch/root"
dpkg -x "$deb" "$root"
program="$root/usr/bin/morvint"
! readelf --section-headers "$program" | grep -Eq '\.(symtab|debug_info)' || fail "the program is not stripped"
plugin="$(find "$root/usr/lib" -name morvint_sound.so)"
[ -n "$plugin" ] || fail "no sound plugin in the package"
! readelf --section-headers "$plugin" | grep -Eq '\.(symtab|debug_info)' || fail "the sound plugin is not stripped"
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

echo "package: $(basename "$deb") ($(stat -c %s "$deb") bytes), Depends: $depends"
