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

. "$(dirname "$0")/lib.sh"
make_work
mkdir -p "$work/config/pulse"
export XDG_CONFIG_HOME="$work/config"
# Read after the system's and the user's own settings of the sound library, so these win.
printf '[general]\ndrivers = pulse\n[pulse]\nspawn-server = false\n' >"$work/alsoft.conf"
printf '[pulse]\nspawn-server = false\n' >"$work/alsoft-any.conf"
printf '# No sound devices.\n' >"$work/alsa.conf"
export ALSOFT_CONF="$work/alsoft.conf"
export ALSOFT_DRIVERS=pulse

status=0
started=0
start_sound_server || started=$?
if [ $started -eq 0 ]; then
    echo "with-pulseaudio: private sound server ready; running the sound cases"
    TERRAVA_SOUND=server "$@" || status=1
    stop "$sound_pid"
elif [ $started -eq 1 ]; then
    echo "with-pulseaudio: the private sound server did not start:" >&2
    cat "$work/sound.log" >&2
    status=1
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
