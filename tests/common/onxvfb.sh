#!/bin/sh
# Runs one test program on the X window system, as a desktop runs the wizard:
# a private Xvfb display with a window manager (openbox) that activates
# windows, hands the focus back when a dialog closes and keeps a window a
# dialog blocks in the background. The program runs on Qt's xcb platform.
#   onxvfb.sh PROGRAM [ARGUMENTS...]
# The display is chosen by the server itself (-displayfd), so several test
# programs can run at once.
set -eu

dir=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT

# wait_until WHAT PID LOG TEST...: waits up to ten seconds for TEST to pass
# while PID runs; otherwise says that WHAT did not start and shows LOG.
wait_until() {
    what=$1 pid=$2 log=$3
    shift 3
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$pid" 2>/dev/null; then
            echo "onxvfb: $what did not start:" >&2
            cat "$log" >&2
            exit 1
        fi
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
wait_until Xvfb "$xvfb" "$dir/xvfb.log" test -s "$dir/display"
DISPLAY=:$(cat "$dir/display")
export DISPLAY

# The window manager is ready once it names itself on the root window.
wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
openbox --sm-disable >"$dir/wm.log" 2>&1 &
wm=$!
wait_until "the window manager" "$wm" "$dir/wm.log" wm_ready

status=0
QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
