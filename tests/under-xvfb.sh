#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private X server (the real X platform, not the offscreen one); with
# --wm first, under the openbox window manager, which maximises, places and activates windows
# as a desktop does. Exits 77, which ctest counts as skipped, when Xvfb (or openbox) is not
# installed.
wm=
if [ "${1:-}" = --wm ]; then
    wm=openbox
    shift
fi
for program in xvfb-run $wm; do
    if ! command -v "$program" >/dev/null 2>&1; then
        echo "under-xvfb: $program is not installed; skipped"
        exit 77
    fi
done
export QT_QPA_PLATFORM=xcb
if [ -z "$wm" ]; then
    exec xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$@"
fi
# The window manager first; the test starts once it has taken the screen.
exec xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" sh -c '
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    i=0
    while [ $i -lt 50 ] && ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        sleep 0.1
        i=$((i + 1))
    done
    "$@"
    status=$?
    kill $wm
    exit $status' sh "$@"
