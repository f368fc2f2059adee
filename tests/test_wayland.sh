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

. "$(dirname "$0")/lib.sh"
need weston -- "install weston"
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
    skip "Qt's wayland platform is not installed (install qt6-wayland)"
need dbus-daemon gdbus
[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] ||
    skip "the accessibility bus is not installed (install at-spi2-core)"

# Everything lives in the runtime folder of the work folder: the compositor's socket, the
# buses, the sound server.
make_work
logs="weston bus game"
mkdir -p "$work/config"
export XDG_CONFIG_HOME="$work/config"
unset DISPLAY WAYLAND_SOCKET
socket=terrava-test

weston --backend=headless-backend.so --socket=$socket --idle-time=0 --debug \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
stop_at_end "$weston_pid"
i=0
until [ -S "$XDG_RUNTIME_DIR/$socket" ]; do
    kill -0 "$weston_pid" 2>/dev/null || die "weston did not start"
    [ $i -lt 100 ] || die "weston made no socket"
    sleep 0.1
    i=$((i + 1))
done
export WAYLAND_DISPLAY=$socket

# A session bus of our own, and on it the accessibility bus, switched on as a screen reader
# switches it on.
dbus-daemon --session --nofork --print-address=3 3>"$work/bus.address" >"$work/bus.log" 2>&1 &
bus_pid=$!
stop_at_end "$bus_pid"
i=0
until [ -s "$work/bus.address" ]; do
    kill -0 "$bus_pid" 2>/dev/null || die "the session bus did not start"
    [ $i -lt 100 ] || die "the session bus gave no address"
    sleep 0.1
    i=$((i + 1))
done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus.address")
export DBUS_SESSION_BUS_ADDRESS
a11y=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress 2>>"$work/bus.log" | sed -n "s/^('\(.*\)',)$/\1/p")
[ -n "$a11y" ] || die "the accessibility bus did not start"
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<true>" \
    >/dev/null 2>>"$work/bus.log" || die "the accessibility bus could not be switched on"

# A private sound server with a silent sink, so that the game's sound probe succeeds, as on a
# player's desktop.
start_sound_server || :

(cd "$game" && QT_QPA_PLATFORM=wayland exec ./terrava) >"$work/game.log" 2>&1 &
game_pid=$!
stop_at_end "$game_pid"

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
    kill -0 "$game_pid" 2>/dev/null || die "the game ended"
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
                        >/dev/null || die "the name could not be typed"
                    press "$button" || die "OK could not be pressed"
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
[ $answered = yes ] || die "the name dialog never showed (windows: $(cat "$work/windows"))"
[ -n "$main_window" ] || die "the main window never showed (windows: $(cat "$work/windows"))"
echo "test_wayland: the main window shows"
for window in $(children /org/a11y/atspi/accessible/root); do
    if [ "$window" != "$main_window" ] && showing "$window" &&
        [ "$(name "$window")" = "Terrava by Velimor" ]; then
        die "the name dialog is still shown beside the main window"
    fi
done

# --- the game as the compositor shows it ---
i=0
until timeout 5 weston-debug scene-graph 2>/dev/null >"$work/scene" &&
    grep -q "top-level window 'Terrava by Velimor' of $app_id" "$work/scene"; do
    [ $i -lt 50 ] || die "weston maps no window 'Terrava by Velimor' of $app_id:
$(grep -i "top-level" "$work/scene")"
    sleep 0.1
    i=$((i + 1))
done
echo "test_wayland: weston shows the window 'Terrava by Velimor' of $app_id"
finish "all well"
