# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the real-window scripts. start_sound_server WORK points the sound clients of this
# shell at a private server in WORK/run (made 700 by the caller, never the user's own server)
# and starts it with one silent sink when pulseaudio is installed. It sets sound_pid for the
# caller to stop, and succeeds once the server answers.
start_sound_server() {
    export PULSE_RUNTIME_PATH="$1/run/pulse" PULSE_CLIENTCONFIG="$1/client.conf"
    export PULSE_SERVER="unix:$1/run/native"
    printf 'autospawn = no\n' >"$1/client.conf"
    command -v pulseaudio >/dev/null 2>&1 && command -v pactl >/dev/null 2>&1 || return 1
    mkdir -p "$1/pulse-config"
    XDG_CONFIG_HOME="$1/pulse-config" pulseaudio --daemonize=no --exit-idle-time=-1 -n \
        --use-pid-file=no --disable-shm=yes --log-target=stderr --log-level=error \
        --load="module-native-protocol-unix socket=$1/run/native auth-anonymous=1" \
        --load="module-null-sink sink_name=terrava_null" >"$1/sound.log" 2>&1 &
    sound_pid=$!
    i=0
    while [ $i -lt 100 ]; do
        pactl info >/dev/null 2>&1 && return 0
        kill -0 "$sound_pid" 2>/dev/null || return 1
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}
