#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The built game under a Wayland compositor: a headless weston of its own, the game on Qt's
# wayland platform. Nothing here speaks X. The game is watched from outside through the two
# things a desktop itself sees:
#   - the accessibility bus (AT-SPI), as a screen reader sees the game: the windows it shows,
#     their controls, and the actions a screen reader can take on them. Through it the test
#     types a name into the name dialog and presses OK, and sees the main window come;
#   - weston's own scene graph, which names every window the compositor has mapped, with its
#     title and app id.
# The game gets no test switch of any kind: it runs as a player would start it.
#
# usage: test_wayland.sh GAME-FOLDER QT-PLUGIN-FOLDER APP-ID
#
# Exit status 0 when all is well, 1 on a failure, 77 when weston, Qt's wayland platform or
# the accessibility bus (dbus-daemon, gdbus, at-spi2-core) is missing.
set -u

if [ $# -ne 3 ]; then
    echo "usage: test_wayland.sh GAME-FOLDER QT-PLUGIN-FOLDER APP-ID" >&2
    exit 2
fi
game=$(cd "$1" && pwd) || exit 1
plugins=$2
app_id=$3

skip() {
    echo "test_wayland: $*; skipped"
    exit 77
}
command -v weston >/dev/null 2>&1 || skip "weston is not installed (install weston)"
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
    skip "Qt's wayland platform is not installed (install qt6-wayland)"
for program in dbus-daemon gdbus; do
    command -v $program >/dev/null 2>&1 || skip "$program is not installed"
done
[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] ||
    skip "the accessibility bus is not installed (install at-spi2-core)"

work=$(mktemp -d "${TMPDIR:-/tmp}/terrava-wayland.XXXXXX") || exit 1
. "$(dirname "$0")/private-sound-server.sh"
weston_pid=
bus_pid=
sound_pid=
game_pid=
cleanup() {
    for pid in $game_pid $sound_pid $bus_pid $weston_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*"
    for log in weston bus game; do
        echo "--- $log log"
        tail -n 20 "$work/$log.log" 2>/dev/null
    done
    exit 1
}

# Everything lives in a runtime folder of its own: the compositor's socket, the buses.
mkdir -p "$work/run" "$work/config"
chmod 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run"
export XDG_CONFIG_HOME="$work/config"
unset DISPLAY WAYLAND_SOCKET
socket=terrava-test

weston --backend=headless-backend.so --socket=$socket --idle-time=0 --debug \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
i=0
until [ -S "$XDG_RUNTIME_DIR/$socket" ]; do
    kill -0 "$weston_pid" 2>/dev/null || fail "weston did not start"
    [ $i -lt 100 ] || fail "weston made no socket"
    sleep 0.1
    i=$((i + 1))
done
export WAYLAND_DISPLAY=$socket

# A session bus of our own, and on it the accessibility bus, switched on as a screen reader
# switches it on.
dbus-daemon --session --nofork --print-address=3 3>"$work/bus.address" >"$work/bus.log" 2>&1 &
bus_pid=$!
i=0
until [ -s "$work/bus.address" ]; do
    kill -0 "$bus_pid" 2>/dev/null || fail "the session bus did not start"
    [ $i -lt 100 ] || fail "the session bus gave no address"
    sleep 0.1
    i=$((i + 1))
done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus.address")
export DBUS_SESSION_BUS_ADDRESS
a11y=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress 2>>"$work/bus.log" | sed -n "s/^('\(.*\)',)$/\1/p")
[ -n "$a11y" ] || fail "the accessibility bus did not start"
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<true>" \
    >/dev/null 2>>"$work/bus.log" || fail "the accessibility bus could not be switched on"

# A private sound server with a silent sink, so that the game's sound probe succeeds, as on a
# player's desktop.
start_sound_server "$work" || true

(cd "$game" && QT_QPA_PLATFORM=wayland exec ./terrava) >"$work/game.log" 2>&1 &
game_pid=$!

# --- the game as the accessibility bus shows it ---

app=
call() { # object-path method args...
    path=$1
    method=$2
    shift 2
    gdbus call --address "$a11y" --dest "$app" --object-path "$path" --method "$method" "$@" \
        2>/dev/null
}
children() { call "$1" org.a11y.atspi.Accessible.GetChildren |
    grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'"; }
name() { call "$1" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name |
    sed -n "s/^(<'\(.*\)'>,)$/\1/p"; }
showing() { # the SHOWING state, bit 25 of the first word
    word=$(call "$1" org.a11y.atspi.Accessible.GetState | sed -n 's/^(\[uint32 \([0-9]*\),.*/\1/p')
    [ -n "$word" ] && [ $(((word >> 25) & 1)) -eq 1 ]
}
# The first descendant of $1, down to depth $3, whose name is $2.
find_named() {
    for child in $(children "$1"); do
        if [ "$(name "$child")" = "$2" ]; then
            echo "$child"
            return 0
        fi
        if [ "$3" -gt 1 ] && find_named "$child" "$2" $(($3 - 1)); then
            return 0
        fi
    done
    return 1
}
press() { call "$1" org.a11y.atspi.Action.DoAction 0 >/dev/null; }

# The game's windows now shown, one "path name" a line.
shown_windows() {
    for window in $(children /org/a11y/atspi/accessible/root); do
        showing "$window" && echo "$window $(name "$window")"
    done
}

i=0
answered=no
main_window=
while [ $i -lt 300 ] && [ -z "$main_window" ]; do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
    if [ -z "$app" ]; then
        app=$(gdbus call --address "$a11y" --dest org.a11y.atspi.Registry \
            --object-path /org/a11y/atspi/accessible/root \
            --method org.a11y.atspi.Accessible.GetChildren 2>/dev/null |
            grep -o "'[:][0-9.]*'" | head -n 1 | tr -d "'")
    fi
    if [ -n "$app" ]; then
        shown_windows >"$work/windows"
        while read -r window title; do
            case "$title" in
            Terrava)
                # The sound probe's error box, where no sound server runs: OK closes it.
                button=$(find_named "$window" OK 3) && press "$button"
                ;;
            "Terrava by Velimor")
                if find_named "$window" Pages 1 >/dev/null; then
                    main_window=$window
                elif [ $answered = no ] && edit=$(find_named "$window" "Your name" 1) &&
                    button=$(find_named "$window" OK 1); then
                    call "$edit" org.a11y.atspi.EditableText.SetTextContents "Wayland" \
                        >/dev/null || fail "the name could not be typed"
                    press "$button" || fail "OK could not be pressed"
                    answered=yes
                    echo "test_wayland: typed a name into the name dialog and pressed OK"
                fi
                ;;
            esac
        done <"$work/windows"
    fi
    [ -n "$main_window" ] || sleep 0.1
    i=$((i + 1))
done
[ $answered = yes ] || fail "the name dialog never showed (windows: $(cat "$work/windows"))"
[ -n "$main_window" ] || fail "the main window never showed (windows: $(cat "$work/windows"))"
echo "test_wayland: the main window shows"
for window in $(children /org/a11y/atspi/accessible/root); do
    if [ "$window" != "$main_window" ] && showing "$window" &&
        [ "$(name "$window")" = "Terrava by Velimor" ]; then
        fail "the name dialog is still shown beside the main window"
    fi
done

# --- the game as the compositor shows it ---
i=0
until timeout 5 weston-debug scene-graph 2>/dev/null >"$work/scene" &&
    grep -q "top-level window 'Terrava by Velimor' of $app_id" "$work/scene"; do
    [ $i -lt 50 ] || fail "weston maps no window 'Terrava by Velimor' of $app_id:
$(grep -i "top-level" "$work/scene")"
    sleep 0.1
    i=$((i + 1))
done
echo "test_wayland: weston shows the window 'Terrava by Velimor' of $app_id"
echo "test_wayland: all well"
exit 0
