#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# test_reuse.sh tree SOURCE_DIR: every file of the repository names its copyright holder and
#   licence (reuse lint).
# test_reuse.sh sweep SOURCE_DIR: tools/spdx-headers, run on a copy of the tracked files, leaves
#   scripts, Python and shell syntax working, changes nothing on a second run, and makes the copy
#   pass reuse lint.
# Exits 77 (skipped) when reuse or git is not installed.
set -eu
mode=$1
source_dir=$(cd "$2" && pwd)
. "$(dirname "$0")/lib.sh"
need reuse git -- "Debian: reuse, git"

if [ "$mode" = tree ]; then
    if reuse --root "$source_dir" lint; then
        exit 0
    fi
    echo "FAIL: reuse lint; tools/spdx-headers adds the missing lines to source files, and"
    echo ".reuse/dep5 describes the files that cannot carry them"
    exit 1
fi

make_work
copy=$work/copy
mkdir "$copy"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp --parents -t "$copy")
git -C "$copy" init -q
git -C "$copy" add -A
# The files that start with #!, and that line.
first_lines() {
    (cd "$copy" && git ls-files | while read -r f; do
        line=$(head -n 1 "$f" | tr -d '\0')
        case $line in '#!'*) printf '%s %s\n' "$f" "$line" ;; esac
    done)
}
first_lines >"$work/before"
"$copy/tools/spdx-headers" "$copy" >"$work/first.log" || fail "spdx-headers: $(cat "$work/first.log")"
echo "spdx-headers gave $(wc -l <"$work/first.log") files the lines"
first_lines >"$work/after"
cmp -s "$work/before" "$work/after" || fail "a #! line is no longer first: $(diff "$work/before" "$work/after")"

(cd "$copy" && find . -type f ! -path './.git/*' -exec md5sum {} + | sort) >"$work/sums1"
"$copy/tools/spdx-headers" "$copy" >"$work/second.log" || fail "second run: $(cat "$work/second.log")"
(cd "$copy" && find . -type f ! -path './.git/*' -exec md5sum {} + | sort) >"$work/sums2"
cmp -s "$work/sums1" "$work/sums2" || fail "a second run changed: $(diff "$work/sums1" "$work/sums2")"

for file in $(git -C "$copy" ls-files '*.py'); do
    python3 -c 'import ast, sys; ast.parse(open(sys.argv[1]).read(), sys.argv[1])' "$copy/$file" ||
        fail "$file no longer parses"
done
for file in $(grep -E ' #!.*(sh|bash)$' "$work/before" | cut -d' ' -f1); do
    bash -n "$copy/$file" || fail "$file no longer parses"
done

reuse --root "$copy" lint >"$work/lint.log" 2>&1 || fail "reuse lint after spdx-headers: $(cat "$work/lint.log")"

finish "spdx-headers makes the copy REUSE-compliant, and a second run changes nothing"
