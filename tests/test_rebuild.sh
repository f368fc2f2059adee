#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# One build is enough after an edit of a window layout: a copy of the source tree is
# configured and built, a caption in the copy's main window layout is changed, and after one
# more build the new caption must be in the windows' library.
#
# usage: test_rebuild.sh SOURCE-FOLDER
set -eu

if [ $# -ne 1 ]; then
    echo "usage: test_rebuild.sh SOURCE-FOLDER" >&2
    exit 2
fi
source=$(cd "$1" && pwd)
. "$(dirname "$0")/lib.sh"
make_work

# The copy: the files the repository holds or would hold, none of its build folders.
mkdir "$work/src"
if git -C "$source" rev-parse >/dev/null 2>&1; then
    (cd "$source" && git ls-files -z --cached --others --exclude-standard) |
        (cd "$source" && xargs -0 cp --parents -t "$work/src" 2>/dev/null) || true
else
    tar -C "$source" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$work/src" -xf -
fi

# Compiler caching across runs, whatever the name of the temporary folder.
launcher=
if command -v ccache >/dev/null 2>&1; then
    launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR="$work" CCACHE_NOHASHDIR=true
fi
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug $launcher >"$work/log" 2>&1 ||
    { cat "$work/log"; exit 1; }
build() { cmake --build "$work/build" --target terrava_app >>"$work/log" 2>&1 || { cat "$work/log"; exit 1; }; }
build

library=$work/build/app/libterrava_app.a
before="Questions per Session"
after="Questions per Round"
grep -q "$before" "$library" || die "the library holds no \"$before\""
sed -i "s|<string>$before</string>|<string>$after</string>|" "$work/src/content/MainForm.ui"
grep -q "$after" "$work/src/content/MainForm.ui" || die "the edit did not apply"
build

grep -q "$after" "$library" ||
    die "after one build the library still lacks the edited caption \"$after\""
finish "one build carried the layout edit into the windows' library"
