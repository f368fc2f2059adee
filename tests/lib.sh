# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the shell tests:  . "$(dirname "$0")/lib.sh"
# What they share: their verdicts (pass, fail, die, skip, finish), one work folder and the
# processes to stop, both cleaned up however the script ends, and private servers of the run's
# own (an X server, its window manager, a sound server), so that tests running side by side
# never meet on a display, a socket or a settings file. Safe under set -eu.

me=$(basename "$0" .sh)
failures=0
work=
logs=      # names of logs in $work (NAME.log) that die and a failed finish show the end of
stop_pids= # newest first
watcher=
end_steps=

pass() { echo "ok: $*"; }
# A failed check: the script goes on, and finish reports it.
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# A failure after which nothing can be checked.
die() {
    echo "FAIL: $*"
    show_logs
    exit 1
}
# Exit status 77: ctest counts the test as skipped (SKIP_RETURN_CODE).
skip() {
    echo "$me: $*; skipped"
    exit 77
}
# need PROGRAM... [-- HINT]: skips the test unless every program is installed.
need() {
    missing=
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        command -v "$1" >/dev/null 2>&1 || missing="$missing $1"
        shift
    done
    [ -z "$missing" ] || skip "not installed:$missing${2:+ ($2)}"
}
# The end: status 1 after any failed check, else 0 with the message given.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$me: $failures check(s) failed"
        show_logs
        exit 1
    fi
    echo "$me: $*"
    exit 0
}
show_logs() {
    for log in $logs; do
        echo "--- the end of $log.log"
        tail -n 50 "$work/$log.log" 2>/dev/null || :
    done
}

# Makes the work folder $work, with a private runtime folder run/ as XDG_RUNTIME_DIR; both go
# when the script ends, after the processes it started.
make_work() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/terrava-$me.XXXXXX") || exit 1
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    mkdir "$work/run"
    chmod 700 "$work/run"
    export XDG_RUNTIME_DIR="$work/run"
}
cleanup() {
    for pid in $stop_pids; do
        kill "$pid" 2>/dev/null || :
        wait "$pid" 2>/dev/null || :
    done
    eval "$end_steps"
    [ -z "$work" ] || rm -rf "$work"
}
# at_end COMMAND: run at the end, after the processes are stopped, before the folder goes.
at_end() { end_steps="$end_steps
$1"; }

# stop_at_end PID: the process is stopped when the script ends. Should the script itself be
# killed outright, a watcher stops them all a second later.
stop_at_end() {
    [ -n "$watcher" ] || watch_over
    stop_pids="$1 $stop_pids"
    echo "$stop_pids" >"$work/pids"
}
# stop PID: stops the process now and forgets it; forget PID only forgets it (it has ended).
stop() {
    kill "$1" 2>/dev/null || :
    wait "$1" 2>/dev/null || :
    forget "$1"
}
forget() {
    stop_pids=$(echo " $stop_pids " | sed "s/ $1 / /; s/^ *//; s/ *$//")
    echo "$stop_pids" >"$work/pids"
}
watch_over() {
    script_pid=$$
    (
        while kill -0 "$script_pid" 2>/dev/null; do sleep 1; done
        kill $(cat "$work/pids" 2>/dev/null) 2>/dev/null || :
        sleep 1
        rm -rf "$work"
    ) >/dev/null 2>&1 </dev/null &
    watcher=$!
}

# wait_for SECONDS COMMAND...: polls the command every tenth of a second until it succeeds.
wait_for() {
    tries=$(($1 * 10))
    shift
    while ! "$@"; do
        [ "$tries" -gt 0 ] || return 1
        tries=$((tries - 1))
        sleep 0.1
    done
}

# start_x_server [SCREEN]: a private Xvfb, 800x600x24 unless given, on the display number that
# the server chooses itself among the free ones (-displayfd), so that two servers started at
# once never take the same; exports DISPLAY and sets x_pid.
start_x_server() {
    Xvfb -displayfd 3 -screen 0 "${1:-800x600x24}" -nolisten tcp -noreset \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    x_pid=$!
    stop_at_end "$x_pid"
    if ! wait_for 20 x_server_chose || [ ! -s "$work/display" ]; then
        echo "$me: Xvfb did not start:"
        cat "$work/xvfb.log"
        return 1
    fi
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    unset WAYLAND_DISPLAY
}
x_server_chose() { [ -s "$work/display" ] || ! kill -0 "$x_pid" 2>/dev/null; }

# start_window_manager: openbox on $DISPLAY, once it has taken the screen.
start_window_manager() {
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    stop_at_end $!
    if ! wait_for 10 window_manager_runs; then
        echo "$me: openbox did not start:"
        cat "$work/wm.log"
        return 1
    fi
}
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# start_sound_server: points the sound clients of this shell at a private server in
# $work/run (never the user's own server) and starts it, with one silent sink, terrava_null,
# as the default. Sets sound_pid; status 0 once the server answers, 1 when it does not start
# (its log is sound.log), 2 when pulseaudio or pactl is not installed.
start_sound_server() {
    export PULSE_RUNTIME_PATH="$work/run/pulse" PULSE_CLIENTCONFIG="$work/client.conf"
    export PULSE_SERVER="unix:$work/run/native"
    printf 'autospawn = no\n' >"$work/client.conf"
    command -v pulseaudio >/dev/null 2>&1 && command -v pactl >/dev/null 2>&1 || return 2
    mkdir -p "$work/pulse-config"
    # As root the server runs with a warning about it; that is expected here.
    XDG_CONFIG_HOME="$work/pulse-config" pulseaudio --daemonize=no --exit-idle-time=-1 -n \
        --use-pid-file=no --disable-shm=yes --log-target=stderr --log-level=error \
        --load="module-native-protocol-unix socket=$work/run/native auth-anonymous=1" \
        --load="module-null-sink sink_name=terrava_null" >"$work/sound.log" 2>&1 &
    sound_pid=$!
    stop_at_end "$sound_pid"
    wait_for 10 sound_server_answers || return 1
    kill -0 "$sound_pid" 2>/dev/null || return 1
    pactl set-default-sink terrava_null >/dev/null 2>&1 || :
}
sound_server_answers() { pactl info >/dev/null 2>&1 || ! kill -0 "$sound_pid" 2>/dev/null; }
