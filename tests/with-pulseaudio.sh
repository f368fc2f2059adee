#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a sound test program three times: once against a private sound server whose only output
# is a silent null sink (TERRAVA_SOUND=server), and twice with no server at all
# (TERRAVA_SOUND=none). Without the pulseaudio programs only the runs without a server are made.
# The private server lives in a temporary folder of its own and is stopped afterwards; the
# user's own server is never used.
#
# The sound library (OpenAL Soft) would take whatever output it finds. In the first two runs it
# is held to the sound server alone, so that a run without the server can never pass on some
# other output, such as a sound card of the machine. The last run leaves the choice to the
# library, as the game does, with an ALSA that knows no device at all: what a machine without
# any sound looks like.
set -u

if [ $# -eq 0 ]; then
    echo "usage: with-pulseaudio.sh TEST-PROGRAM [ARGS...]" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/terrava-sound.XXXXXX") || exit 1
server_pid=
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$work/run" "$work/config/pulse"
chmod 700 "$work/run"
printf 'autospawn = no\n' >"$work/client.conf"
export XDG_RUNTIME_DIR="$work/run"
export XDG_CONFIG_HOME="$work/config"
export PULSE_RUNTIME_PATH="$work/run/pulse"
export PULSE_CLIENTCONFIG="$work/client.conf"
# Read after the system's and the user's own settings of the sound library, so these win.
printf '[general]\ndrivers = pulse\n[pulse]\nspawn-server = false\n' >"$work/alsoft.conf"
printf '[pulse]\nspawn-server = false\n' >"$work/alsoft-any.conf"
printf '# No sound devices.\n' >"$work/alsa.conf"
export ALSOFT_CONF="$work/alsoft.conf"
export ALSOFT_DRIVERS=pulse

status=0

if command -v pulseaudio >/dev/null 2>&1 && command -v pactl >/dev/null 2>&1; then
    socket="$work/run/native"
    export PULSE_SERVER="unix:$socket"
    # As root the server runs with a warning about it; that is expected here.
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no \
        --disable-shm=yes --log-target=stderr --log-level=error \
        --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
        --load="module-null-sink sink_name=terrava_null" \
        >"$work/server.log" 2>&1 &
    server_pid=$!
    # Should this script be killed outright, the server must not outlive it.
    wrapper_pid=$$
    (
        while kill -0 "$wrapper_pid" 2>/dev/null; do sleep 1; done
        kill "$server_pid" 2>/dev/null
        sleep 1
        rm -rf "$work"
    ) >/dev/null 2>&1 </dev/null &

    ready=no
    i=0
    while [ $i -lt 100 ]; do
        if pactl info >/dev/null 2>&1; then
            ready=yes
            break
        fi
        if ! kill -0 "$server_pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
        i=$((i + 1))
    done
    if [ "$ready" = yes ]; then
        pactl set-default-sink terrava_null >/dev/null 2>&1
        echo "with-pulseaudio: private sound server ready; running the sound cases"
        TERRAVA_SOUND=server "$@" || status=1
    else
        echo "with-pulseaudio: the private sound server did not start:" >&2
        cat "$work/server.log" >&2
        status=1
    fi
    kill "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
    server_pid=
else
    echo "with-pulseaudio: pulseaudio or pactl is not installed; running only the cases" \
        "that need no sound device"
fi

# No server behind this address, and no automatic start of one.
echo "with-pulseaudio: running the cases without a sound server"
PULSE_SERVER="unix:$work/no-server" TERRAVA_SOUND=none "$@" || status=1

echo "with-pulseaudio: running the cases without a sound server or any ALSA device," \
    "the sound library choosing its output"
env -u ALSOFT_DRIVERS ALSOFT_CONF="$work/alsoft-any.conf" ALSA_CONFIG_PATH="$work/alsa.conf" \
    PULSE_SERVER="unix:$work/no-server" TERRAVA_SOUND=none "$@" || status=1

exit $status
