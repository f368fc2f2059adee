#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The built game on a real X server: an 800 x 600 Xvfb of its own, driven with xdotool and
# looked at through screenshots. Without a window manager, windows are found by name and
# size, never as "the active window". With --wm the openbox window manager runs, and what it
# does with the game's windows is checked: the name dialog centred and active, the main window
# maximised and active after the name, a message box over it and the focus back afterwards.
#
# usage: test_realwindow.sh GAME-FOLDER PROBE SOURCE-FOLDER [--wm]
#   GAME-FOLDER    the folder holding terrava, its sounds and images/
#   PROBE          the realwindow_probe program
#   SOURCE-FOLDER  the source tree, for the nation map and its definitions
#
# Exit status 0 when all is well, 1 on a failure, 77 when Xvfb, xdotool, ImageMagick's
# import, or with --wm openbox and xprop, is missing. A private sound server with a silent sink
# is started when pulseaudio is installed; without one the game's sound probe fails and its
# error box is closed first.
set -u

wm=
if [ $# -eq 4 ] && [ "$4" = --wm ]; then
    wm=openbox
elif [ $# -ne 3 ]; then
    echo "usage: test_realwindow.sh GAME-FOLDER PROBE SOURCE-FOLDER [--wm]" >&2
    exit 2
fi
game=$(cd "$1" && pwd) || exit 1
probe=$2
source=$3

. "$(dirname "$0")/lib.sh"
need Xvfb xdotool import ${wm:+openbox xprop xwininfo} -- "install xvfb, xdotool and imagemagick"
make_work
logs=game
step() { echo "--- $*"; }

start_x_server || exit 1
export QT_QPA_PLATFORM=xcb
geometry=$(xdotool getdisplaygeometry)
[ "$geometry" = "800 600" ] || fail "the screen is $geometry, not 800 600"
echo "test_realwindow: Xvfb on $DISPLAY"
if [ -n "$wm" ]; then
    start_window_manager || exit 1
    echo "test_realwindow: openbox manages the windows"
fi

# --- a private sound server, so that the game's sound probe succeeds ---
sound=no
start_sound_server && sound=yes
echo "test_realwindow: private sound server: $sound"

# The game's settings go here, never to the user's own.
config="$work/config"
mkdir -p "$config"
settings="$config/terrava.ini"

# --- finding, clicking, waiting ---

# The visible windows named as the game's, one "id width height x y" a line.
windows() {
    for id in $(xdotool search --onlyvisible --name '^Terrava' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
        echo "$id $WIDTH $HEIGHT $X $Y"
    done
}

# Waits up to 15 s for a visible game window whose size passes the test "$1" (an awk
# condition on w and h); prints "id x y w h".
wait_window() {
    i=0
    while [ $i -lt 150 ]; do
        found=$(windows | awk "{ w = \$2; h = \$3 } $1 { print \$1, \$4, \$5, w, h; exit }")
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        kill -0 "$game_pid" 2>/dev/null || return 1
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}

# Waits up to 15 s until the game has ended; 0 when it has.
wait_end() {
    i=0
    while [ $i -lt 150 ]; do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid"
            game_status=$?
            forget "$game_pid"
            game_pid=
            return 0
        fi
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}

shoot() {
    import -window root "$work/$1.png" 2>>"$work/import.log"
}

click_at() {
    xdotool mousemove --sync "$1" "$2" click 1
    sleep 0.3
}

# Starts the game from its folder; with no sound server its probe's error box is closed.
start_game() {
    (cd "$game" && XDG_CONFIG_HOME="$config" exec ./terrava) >>"$work/game.log" 2>&1 &
    game_pid=$!
    stop_at_end "$game_pid"
    if [ "$sound" = no ]; then
        # The error box of the sound probe: small, and before the name dialog.
        if box=$(wait_window 'w < 500 && h < 200'); then
            set -- $box
            xdotool windowfocus --sync "$1"
            xdotool key Return
            sleep 0.5
        fi
    fi
    # The name dialog: small beside the main window.
    if ! dialog=$(wait_window 'w < 500 && h < 400'); then
        fail "the name dialog did not appear"
        return 1
    fi
    set -- $dialog
    dialog_id=$1
    echo "test_realwindow: the name dialog is window $dialog_id at $2,$3, $4 x $5"
}

# Types a name into the dialog and confirms it with Enter: the main window comes.
# A window manager gives the dialog the focus itself.
enter_name() {
    [ -n "$wm" ] || xdotool windowfocus --sync "$dialog_id" 2>/dev/null
    xdotool type --delay 20 "$1"
    xdotool key Return
    if ! main=$(wait_window 'w >= 700 && h >= 500'); then
        fail "Enter on the name dialog showed no main window"
        return 1
    fi
    set -- $main
    main_id=$1
    main_x=$2
    main_y=$3
    echo "test_realwindow: the main window is window $main_id at $2,$3, $4 x $5"
    sleep 0.5
    if xdotool search --onlyvisible --name '^Terrava' | grep -qx "$dialog_id"; then
        fail "the name dialog is still shown"
    fi
}

# The tabs are 150 pixels wide and 30 high from the page control's left edge (8 pixels left
# of the window's): the middle of tab N (0, 1, 2) is safe whatever the style adds.
click_tab() {
    click_at $((main_x - 8 + 150 * $1 + 75)) $((main_y + 15))
}

# A control of the Questions page, by its place on the page: the page starts below the tabs.
click_page() {
    click_at $((main_x - 8 + 2 + $1)) $((main_y + 30 + 2 + $2))
}

# As a window manager's close button does: WM_DELETE_WINDOW. (xdotool's windowclose destroys
# the window instead, which no user can do.)
close_main() {
    "$probe" close "$main_id" || fail "cannot ask the main window to close"
}

# "x y w h" of a window's client area on the screen (xdotool counts a window manager's frame
# in twice).
geometry_of() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# Waits up to 5 s until the window manager has made the window "$1" the active one.
wait_active() {
    i=0
    while [ $i -lt 50 ]; do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}

# Succeeds when the number "$1" lies within "$2" ... "$3".
within() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]; }

if [ -n "$wm" ]; then
# --- under the window manager: Zoe plays at 10 ms a step, so her time is up at once ---
step "under a window manager"
printf '[Zoe]\nTime=10\nSound=0\n' >"$settings"
if start_game; then
    set -- $(geometry_of "$dialog_id")
    # Centred; the frame's title bar may push the client down a little.
    cx=$(($1 + $3 / 2))
    cy=$(($2 + $4 / 2))
    within $cx 397 403 && within $cy 297 320 || fail "the name dialog's middle is at $cx,$cy"
    wait_active "$dialog_id" || fail "the name dialog is not the active window"
    # A fixed-size dialog: the window manager offers neither maximising nor resizing, and one
    # that minimises it anyway gets it back at once (a dialog has no task-bar entry).
    actions=$(xprop -id "$dialog_id" _NET_WM_ALLOWED_ACTIONS)
    case $actions in
    *MAXIMIZE* | *RESIZE*) fail "the name dialog may be maximised or resized: $actions" ;;
    esac
    xdotool windowminimize "$dialog_id"
    sleep 1
    case $(xprop -id "$dialog_id" _NET_WM_STATE WM_STATE) in
    *HIDDEN* | *Iconic*) fail "the name dialog stayed minimised" ;;
    esac
    wait_active "$dialog_id" || fail "the name dialog is not active after a minimise"
    enter_name "Zoe" # typed over the offered name, which is selected
    if [ -n "${main_id:-}" ]; then
        wait_active "$main_id" || fail "the main window is not active after the name"
        state=$(xprop -id "$main_id" _NET_WM_STATE)
        case $state in
        *MAXIMIZED_VERT*) case $state in *MAXIMIZED_HORZ*) ;; *) fail "not maximised: $state" ;; esac ;;
        *) fail "the main window is not maximised: $state" ;;
        esac
        sleep 0.5 # the maximised place, once the window manager has settled it
        set -- $(geometry_of "$main_id")
        [ "$3" -eq 800 ] || fail "the maximised main window is $3 wide"
        main_x=$1
        main_y=$2
        main_centre_x=$(($1 + $3 / 2))
        main_centre_y=$(($2 + $4 / 2))
        click_tab 2
        click_page $((656 + 44)) $((224 + 12))
        box=
        i=0
        while [ $i -lt 150 ] && [ -z "$box" ]; do
            box=$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null | head -n 1)
            sleep 0.1
            i=$((i + 1))
        done
        if [ -z "$box" ]; then
            fail "no \"Time Up!\" within 15 s at Zoe's pace of 10 ms"
            for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
                echo "test_realwindow: shown: $(xdotool getwindowname "$id") $(geometry_of "$id")"
            done
        else
            wait_active "$box" || fail "the \"Time Up!\" box is not the active window"
            xprop -id "$box" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$main_id")" ||
                fail "the \"Time Up!\" box does not belong to the main window"
            set -- $(geometry_of "$box")
            # Qt places it by a guess of the frame: near the middle, not on it.
            within $(($1 + $3 / 2)) $((main_centre_x - 60)) $((main_centre_x + 60)) &&
                within $(($2 + $4 / 2)) $((main_centre_y - 60)) $((main_centre_y + 60)) ||
                fail "the \"Time Up!\" box ($*) is not over the middle of the main window"
            xdotool key Return
            wait_active "$main_id" || fail "the main window did not get the focus back"
        fi
        close_main
        if wait_end; then
            [ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
        else
            fail "closing the main window did not end the game"
        fi
    fi
fi
else
# --- first run: name, Start, a region, close without saving ---
step "first run"
if start_game; then
    enter_name "Xena"
    if [ -n "${main_id:-}" ]; then
        # Start: the Questions tab, then its Start button (656, 224; 89 x 25).
        click_tab 2
        click_page $((656 + 44)) $((224 + 12))
        sleep 0.5
        shoot started
        # Start shows the Nation page: the nation map at its layout's 60 percent.
        if nation=$("$probe" locate "$work/started.png" "$source/content/Italia.bmp" 60); then
            set -- $nation
            nation_x=$1
            nation_y=$2
            echo "test_realwindow: after Start the nation map shows at $nation_x,$nation_y"
        else
            fail "after Start the nation map is not shown"
            nation_x=
        fi
        if [ -n "$nation_x" ]; then
            point=$("$probe" inside "$source/content/nation-hotspots.txt" Etruria) ||
                fail "no point inside Etruria"
            set -- $point
            click_at $((nation_x + $1 * 60 / 100)) $((nation_y + $2 * 60 / 100))
            sleep 0.5
            shoot region
            # The Regions page with Etruria's map, fitted to the 777 x 537 map; no other.
            if shown=$("$probe" locate "$work/region.png" "$game/images/Etruria.bmp" \
                fit 777 537); then
                echo "test_realwindow: Etruria's map shows at $shown"
            else
                fail "a click on Etruria did not show its map"
            fi
            for other in Padania Ausonia Sicilia Sardegna; do
                if "$probe" locate "$work/region.png" "$game/images/$other.bmp" fit 777 537 \
                    >/dev/null; then
                    fail "the map of $other shows after a click on Etruria"
                fi
            done
            if "$probe" locate "$work/region.png" "$source/content/Italia.bmp" 60 >/dev/null; then
                fail "the nation map is still shown after the click"
            fi
        fi
        step "closing the main window"
        close_main
        if wait_end; then
            [ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
        else
            fail "closing the main window did not end the game"
        fi
        [ -e "$settings" ] && fail "closing without Save wrote the settings file"
    fi
fi
[ -z "$game_pid" ] || stop "$game_pid"
game_pid=
main_id=

# --- second run: OK loads the player's settings, Save writes them back ---
step "second run"
printf '[Yuri]\nTime=700\nNumquesiti=12\n' >"$settings"
if start_game; then
    enter_name "Yuri"
    if [ -n "${main_id:-}" ]; then
        # Save: the Questions tab, then its Save button (656, 280; 89 x 25).
        click_tab 2
        click_page $((656 + 44)) $((280 + 12))
        i=0
        while [ $i -lt 50 ] && ! grep -q '^Sound=' "$settings"; do
            sleep 0.1
            i=$((i + 1))
        done
        if grep -q '^Sound=' "$settings"; then
            grep -q '^\[Yuri\]' "$settings" || fail "the settings file has no section for Yuri"
            for kept in Time=700 Numquesiti=12; do
                grep -q "^$kept" "$settings" || fail "Yuri's $kept was not loaded and saved back"
            done
        else
            fail "Save wrote no settings file"
        fi
        close_main
        if wait_end; then
            [ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
        else
            fail "closing the main window did not end the game"
        fi
    fi
fi
fi

finish "all passed"
