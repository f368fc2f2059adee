#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the game: from launch to the name dialog on screen, and to the end of the
# program after Escape, and its resident memory once it has started, over repeated runs,
# beside a minimal Qt program that shows one window (the floor), measured in the same run on a
# private X server and sound server.
#
#   bench/startup-time.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-15}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "startup-time: $tool is not installed" >&2; exit 2; }
done
[[ -x "$build/game/terrava" && -x "$build/bench/minimal_window" ]] || {
    echo "startup-time: build terrava and minimal_window in $build first" >&2
    exit 2
}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number and writes it to the file. It must not reset when
# one run's program leaves: a program started during the reset cannot connect and dies.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || { echo "startup-time: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$work/display")
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$work/run" && chmod 700 "$work/run"
# Without a sound device the game reports it in a box before the dialog; give it a silent one.
if command -v pulseaudio >/dev/null && command -v pactl >/dev/null; then
    export PULSE_SERVER=unix:$work/run/native
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm=yes \
        --load="module-native-protocol-unix socket=$work/run/native auth-anonymous=1" \
        --load="module-null-sink sink_name=startup_null" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi
sleep 0.5

now() { date +%s%N; }

# Resident memory of a started program is read this long after its window shows, once the
# start's own work (and the sound output's opening) has settled.
settle=1

# measure PROGRAM TITLE: prints "to-window-ms to-exit-ms resident-kB"
measure() {
    local program=$1 title=$2
    local start shown ended pid id
    start=$(now)
    (cd "$build/game" && exec "$program") >/dev/null 2>&1 &
    pid=$!
    # Polls without pause: xdotool's own --sync waits in steps of half a second.
    local deadline=$(($(now) + 30000000000))
    id=
    while [[ -z "$id" && $(now) -lt $deadline ]] && kill -0 "$pid" 2>/dev/null; do
        id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1 || true)
        [[ -n "$id" ]] || sleep 0.005
    done
    shown=$(now)
    local rss=
    if [[ -n "$id" ]]; then
        sleep "$settle"
        rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
    fi
    if [[ -z "$id" || -z "$rss" ]]; then
        # A start that dies before its window is shown is counted and measured again; it was
        # seen one time in twenty when the server still reset between runs.
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        echo "failed"
        return
    fi
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers Escape
    wait "$pid" || true
    ended=$(now)
    # To exit counts from the launch, less the pause for the memory reading.
    echo "$(((shown - start) / 1000000)) $(((ended - start) / 1000000 - settle * 1000)) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# The name dialog's title, in English or in the desktop's language (LANG, LANGUAGE).
game_title="Terrava (by|di) Velimor"
: >"$work/game" && : >"$work/floor"
measure "$build/game/terrava" "$game_title" >/dev/null # warm the caches
measure "$build/bench/minimal_window" "Floor window" >/dev/null
: >"$work/game" && : >"$work/floor"
failed=0
# record PROGRAM TITLE FILE: one successful measurement into FILE.
record() {
    local result
    for _ in 1 2 3 4 5; do
        result=$(measure "$1" "$2")
        if [[ "$result" != failed ]]; then
            echo "$result" >>"$3"
            return
        fi
        failed=$((failed + 1))
    done
    echo "startup-time: $1 failed to show its window five times in a row" >&2
    exit 1
}
for _ in $(seq "$runs"); do
    record "$build/game/terrava" "$game_title" "$work/game"
    record "$build/bench/minimal_window" "Floor window" "$work/floor"
done

game_shown=$(cut -d' ' -f1 "$work/game" | median)
game_ended=$(cut -d' ' -f2 "$work/game" | median)
floor_shown=$(cut -d' ' -f1 "$work/floor" | median)
floor_ended=$(cut -d' ' -f2 "$work/floor" | median)
game_rss=$(cut -d' ' -f3 "$work/game" | median)
floor_rss=$(cut -d' ' -f3 "$work/floor" | median)
printf '%-28s %12s %12s %14s\n' "median of $runs runs" "to window ms" "to exit ms" "resident kB"
printf '%-28s %12s %12s %14s\n' "terrava" "$game_shown" "$game_ended" "$game_rss"
printf '%-28s %12s %12s %14s\n' "minimal Qt window (floor)" "$floor_shown" "$floor_ended" "$floor_rss"
echo "starts that died before showing a window, measured again: $failed"
awk -v a="$game_shown" -v b="$floor_shown" -v c="$game_ended" -v d="$floor_ended" \
    -v e="$game_rss" -v f="$floor_rss" \
    'BEGIN { printf "%-28s %12.2f %12.2f %14.2f\n", "ratio", a / b, c / d, e / f }'
