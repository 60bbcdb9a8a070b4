#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a real desktop: the built program in an X server (Xvfb) under a window manager (openbox),
# driven with the mouse and the keyboard through xdotool as a person would, its clock set by libfaketime. What
# the offscreen tests cannot see is checked here: the window's kind and hints as the window manager reads them,
# clicks into an inactive window, Esc, what reaches the database file, and what the screen shows.
#
#   DesktopTest.sh <program folder> <empty-database tool> <folder for screenshots>
#
# The program runs from a scratch copy of its folder (it reads its pictures and morvint.db from the current
# directory), so the build's own database is never touched. Every step waits for what it expects to see — a
# window, a picture on the screen, a row in the database — and fails after a generous limit; none waits for a
# fixed time.
set -eEuo pipefail

if (($# != 3)); then
    echo "usage: DesktopTest.sh <program folder> <empty-database tool> <folder for screenshots>" >&2
    exit 2
fi
program_dir=$1
emptydb=$2
out=$3

# Without its tools (a package build has no X server) the test is skipped: exit 77, which CTest reports as
# skipped (SKIP_RETURN_CODE). Where the desktop must be tested (tools/test.sh sets MORVINT_DESKTOP_REQUIRED=1),
# a missing tool fails it instead. Only a missing tool skips: anything that fails once they are there fails.
missing() {
    if [[ ${MORVINT_DESKTOP_REQUIRED:-0} == 1 ]]; then
        echo "desktop: FAILED: $1 is missing (bash tools/setup.sh installs it)" >&2
        exit 1
    fi
    echo "desktop: SKIPPED: $1 is missing (bash tools/setup.sh installs it)"
    exit 77
}
for tool in Xvfb openbox xdotool xprop xwininfo import compare convert sqlite3 fc-match; do
    command -v "$tool" >/dev/null || missing "$tool"
done
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[[ -n $faketime_lib ]] || missing libfaketime

scratch=$(mktemp -d /tmp/morvint-desktop.XXXXXX)
prog=$scratch/program
db=$prog/morvint.db
mkdir -p "$out" "$scratch/runtime"
chmod 700 "$scratch/runtime"
rm -f "$out"/failure-*.png

declare -A pid=() win=()
server_pid=
wm_pid=

cleanup() {
    local p
    for p in "${pid[@]}"; do
        kill "$p" 2>/dev/null || true
    done
    [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null
    [[ -n $server_pid ]] && kill "$server_pid" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

step() { printf 'desktop: %s\n' "$*"; }

fail() {
    printf 'desktop: FAILED: %s\n' "$*" >&2
    timeout 30 import -window root "$out/failure-screen.png" 2>/dev/null || true
    local name
    for name in "${!pid[@]}"; do
        [[ -f $scratch/$name.log ]] && sed "s/^/  $name: /" "$scratch/$name.log" >&2
    done
    exit 1
}

trap 'fail "line $LINENO: $BASH_COMMAND"' ERR

# wait_until <what> <seconds> <command...>: polls the condition until it holds. The seconds are what a quiet
# machine needs; a loaded one (a sanitizer build beside other work) gets patience times as long, which costs a
# passing run nothing.
patience=${MORVINT_DESKTOP_PATIENCE:-4}
wait_until() {
    local what=$1 limit=$(($2 * patience))
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        ((SECONDS < deadline)) || fail "waited ${limit}s for: $what"
        sleep 0.05
    done
}

# --- the X server and the window manager -------------------------------------------------------------------

Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
server_pid=$!
display_known() { [[ -s $scratch/display ]]; }
wait_until "the X server" 20 display_known
export DISPLAY=":$(head -n 1 "$scratch/display")"
export XDG_RUNTIME_DIR=$scratch/runtime
# The program's settings (the chime switch) live in the scratch folder, not in the tester's home.
export XDG_CONFIG_HOME=$scratch/config
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
# Openbox names itself (_NET_SUPPORTING_WM_CHECK) before it manages windows; the client list comes once it
# does. A window mapped in between may be left unframed and unseen.
wm_running() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q '^_NET_CLIENT_LIST(WINDOW)'; }
wait_until "openbox" 20 wm_running

# --- the program -------------------------------------------------------------------------------------------

cp -r "$program_dir/." "$prog"
rm -f "$db"
"$emptydb" "$db"

# start <name> <date and time>: the program from its folder with its clock starting at that moment.
start() {
    local name=$1 clock=$2
    # A sanitizer build wants its runtime first among the libraries; libfaketime, preloaded, comes before it.
    # Only the clock is faked, not the times of files: fontconfig checks its caches against the times of the
    # font folders, and a program that saw them shifted would rewrite the machine's caches with those times,
    # after which every other program on the machine scans all its fonts again at start.
    (cd "$prog" && exec env LD_PRELOAD="$faketime_lib" FAKETIME="@$clock" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        NO_FAKE_STAT=1 \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
        ./morvint >"$scratch/$name.log" 2>&1) &
    pid[$name]=$!
    win[$name]=$(timeout $((20 * patience)) xdotool search --sync --all --onlyvisible --pid "${pid[$name]}" \
        --name '^Quintara V4\.3$' | head -n 1) || fail "$name: no main window"
    step "$name started at $clock (window ${win[$name]})"
}

# ended <name>: waits for the program to end and checks it ended cleanly.
ended() {
    local name=$1
    gone() { ! kill -0 "${pid[$name]}" 2>/dev/null; }
    wait_until "$name to end" 20 gone
    local status=0
    wait "${pid[$name]}" || status=$?
    ((status == 0)) || fail "$name ended with status $status"
    unset "pid[$name]"
}

alive() { kill -0 "${pid[$1]}" 2>/dev/null; }

# A window of the program other than its main window: a dialog or a message box.
other_window() {
    local name=$1 w
    # No window found is an empty list, not an error for the ERR trap.
    for w in $(xdotool search --all --onlyvisible --pid "${pid[$name]}" 2>/dev/null || true); do
        [[ $w != "${win[$name]}" ]] && {
            echo "$w"
            return 0
        }
    done
    return 1
}
has_other_window() { other_window "$1" >/dev/null; }
# windows_besides <name> <window...>: the program's visible windows other than its main window and these.
windows_besides() {
    local name=$1 w
    shift
    # No window found is an empty list, not an error for the ERR trap.
    for w in $(xdotool search --all --onlyvisible --pid "${pid[$name]}" 2>/dev/null || true); do
        [[ " ${win[$name]} $* " == *" $w "* ]] || echo "$w"
    done
}
has_window_besides() { [[ -n $(windows_besides "$@") ]]; }
no_window_besides() { [[ -z $(windows_besides "$@") ]]; }
no_other_window() { ! other_window "$1" >/dev/null; }
titled() { xdotool search --all --onlyvisible --pid "${pid[$1]}" --name "^$2\$" >/dev/null 2>&1; }

active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

# click <window> <x> <y>: moves there and clicks at once, as a quick hand does.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# press <window> <keys...>: keys into that window, made active first.
press() {
    local w=$1
    shift
    active_is "$w" || xdotool windowactivate --sync "$w" >/dev/null 2>&1 || true
    wait_until "window $w to be active" 10 active_is "$w"
    xdotool key "$@"
}

# matches <window> <x> <y> <w> <h> <picture file> [<x in file> <y in file>]: that part of the window on the
# screen shows that part of the picture.
matches() {
    local w=$1 x=$2 y=$3 width=$4 height=$5 file=$6 fx=${7:-$2} fy=${8:-$3}
    timeout 30 import -window "$w" "$scratch/window.png" 2>/dev/null || return 1
    local differing
    differing=$(compare -metric AE -fuzz 2% "$scratch/window.png[${width}x${height}+$x+$y]" \
        "bmp:$prog/$file[${width}x${height}+$fx+$fy]" null: 2>&1) || true
    [[ $differing =~ ^[0-9]+$ ]] && ((differing <= 8))
}
differs() { ! matches "$@"; }

# The views, each known by a part of its picture that no control covers.
home() { matches "$1" 0 0 187 40 left.ggr; }
page_is() { matches "$1" 0 0 200 40 "$2"; }
# The hover card's place shows the bare window picture (no card) or a card's picture.
no_card() { matches "$1" 258 118 342 280 main.ggr; }
card_is() { matches "$1" 258 118 342 280 "$2" 0 0; }
any_card() {
    local card
    for card in select.mid history.mid player.mid answer.mid; do
        card_is "$1" "$card" && return 0
    done
    return 1
}

# The darkest grey in a part of the window: text there is near black, an empty box is light.
darkest() {
    timeout 30 import -window "$1" "$scratch/window.png"
    convert "$scratch/window.png" -crop "$4x$5+$2+$3" +repage -colorspace Gray -format '%[fx:minima]' info:
}

# ink_line <window> <x> <y> <length>: a horizontal line there (give or take a pixel up or down) is drawn in the
# ink of the focus frame, RGB 0, 40, 40, for nine tenths of its length at least.
ink_line() {
    timeout 30 import -window "$1" "$scratch/window.png"
    local inked
    inked=$(convert "$scratch/window.png" -crop "$4x3+$2+$(($3 - 1))" +repage txt:- | grep -ci '#002828') || true
    ((inked * 10 >= $4 * 9))
}

# over <window> <owner>: the window's middle lies inside its owner's client area, as a dialog, a message box
# or a notice opened over its owner does.
over() {
    local x y width height ox oy ow oh
    read -r x y width height < <(geometry "$1")
    read -r ox oy ow oh < <(geometry "$2")
    local cx=$((x + width / 2)) cy=$((y + height / 2))
    ((cx > ox && cx < ox + ow && cy > oy && cy < oy + oh))
}

# popup_below <popup> <window> <y>: the popup's top-left corner lies inside the window, at most a few pixels
# from y (window coordinates), as a calendar dropped from a field whose bottom is at y.
popup_below() {
    local x y width height dx dy dw dh
    read -r x y width height < <(geometry "$1")
    read -r dx dy dw dh < <(geometry "$2")
    ((x >= dx && x < dx + dw && y - dy >= $3 - 4 && y - dy <= $3 + 4))
}

# Waits for the program while it writes, as the program waits for another copy.
sql() { sqlite3 -cmd ".timeout 3000" "$db" "$1"; }

# geometry <window>: its client area on the screen, as "x y width height".
geometry() {
    xwininfo -id "$1" | sed -n -e 's/.*Absolute upper-left [XY]: *//p' -e 's/^ *Width: *//p' \
        -e 's/^ *Height: *//p' | paste -sd ' '
}

# shoot <file> <window>...: the windows with their window-manager frames, as they are on the screen.
shoot() {
    local file=$1
    shift
    local left=100000 top=100000 right=0 bottom=0 w x y width height l r t b
    for w in "$@"; do
        read -r x y width height < <(geometry "$w")
        IFS=', ' read -r l r t b < <(xprop -id "$w" _NET_FRAME_EXTENTS | sed 's/.*= //')
        ((x - l < left)) && left=$((x - l))
        ((y - t < top)) && top=$((y - t))
        ((x + width + r > right)) && right=$((x + width + r))
        ((y + height + b > bottom)) && bottom=$((y + height + b))
    done
    timeout 30 import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out/$file"
}

# Places a main window at a spot of the screen (its client area's top left).
place() {
    local w=$1 x=$2 y=$3
    xdotool windowmove "$w" "$x" "$y"
    placed() { xwininfo -id "$w" | grep -q "Absolute upper-left X: *$x\$"; }
    wait_until "window $w at $x, $y" 10 placed
}

# Positions in the main window's client area, from the program's layout.
predict_button=(89 67)
records_button=(89 117)
player_button=(89 167)
bare_panel=(89 320)
exit_button=(615 475)

source "$(dirname "$0")/DesktopSteps.sh"
run_steps
step "passed"
