#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private X server (the real X platform, not the offscreen one); with
# --wm first, under the openbox window manager, which maximises, places and activates windows
# as a desktop does. Exits 77, which ctest counts as skipped, when Xvfb (or openbox and xprop)
# is not installed.
set -u
. "$(dirname "$0")/lib.sh"
wm=
if [ "${1:-}" = --wm ]; then
    wm="openbox xprop"
    shift
fi
need Xvfb $wm -- "install xvfb${wm:+, openbox and x11-utils}"
make_work
start_x_server || exit 1
[ -z "$wm" ] || start_window_manager || exit 1
QT_QPA_PLATFORM=xcb "$@"
