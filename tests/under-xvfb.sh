#!/bin/sh
# Runs a test program on a private X server (the real X platform, not the offscreen one).
# Exits 77, which ctest counts as skipped, when Xvfb is not installed.
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "under-xvfb: Xvfb is not installed; skipped"
    exit 77
fi
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$@"
