#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The user-interface benchmarks on a real X server: starts a private Xvfb with openbox as its window manager and
# runs ui_bench there, its child programs (the program and the bare Qt floor) on the xcb platform instead of
# offscreen. Start-up then includes what a user's start includes: connecting to the server, creating and mapping
# the window, the window manager's frame and the first expose.
#
#   bench/ui/UnderX11.sh <build folder> [ui_bench arguments...]
#
# Without arguments after the folder it runs the start-up, memory and exit benchmarks only. Only the server and the
# window manager started here are stopped at the end.
set -euo pipefail

if (($# < 1)); then
    echo "usage: UnderX11.sh <build folder> [ui_bench arguments...]" >&2
    exit 2
fi
build=$1
shift
bench=$build/bench/ui_bench
[[ -x $bench ]] || {
    echo "UnderX11: $bench is missing (cmake --build $build --target ui_bench)" >&2
    exit 1
}
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || {
        echo "UnderX11: $tool is missing (bash tools/setup.sh installs it)" >&2
        exit 1
    }
done
(($# > 0)) || set -- --benchmark_filter='StartUp|PeakMemory|Exit'

scratch=$(mktemp -d /tmp/morvint-x11bench.XXXXXX)
server_pid=
wm_pid=
cleanup() {
    [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null
    [[ -n $server_pid ]] && kill "$server_pid" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# wait_for <what> <command...>: polls for up to 20 s.
wait_for() {
    local what=$1 deadline=$((SECONDS + 20))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || {
            echo "UnderX11: no $what after 20 s" >&2
            exit 1
        }
        sleep 0.05
    done
}

# -dumbSched: the server's default ("smart") scheduler serves a busy client for a slice of 5 to 15 ms while the
# others wait, so a start that contends with openbox may wait a slice or more. The starts then fall into two
# groups 15 to 20 ms apart (program and floors alike), and a median of 21 turns lands in one group or the other
# by chance. Served in turn, the starts scatter by a few milliseconds and the ratios repeat from run to run.
Xvfb -dumbSched -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
server_pid=$!
display_known() { [[ -s $scratch/display ]]; }
wait_for "X server" display_known
export DISPLAY=":$(head -n 1 "$scratch/display")"
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
# Openbox names itself (_NET_SUPPORTING_WM_CHECK) before it manages windows; the client list comes once it
# does. A window mapped in between may be left unframed and unseen.
wm_running() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q '^_NET_CLIENT_LIST(WINDOW)'; }
wait_for "window manager" wm_running

MORVINT_BENCH_QPA=xcb "$bench" "$@"
