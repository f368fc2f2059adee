#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# test_format.sh SOURCE_DIR: every C++ file the repository holds is formatted as .clang-format
# says. Exits 77 (skipped) without clang-format or git, or outside a git checkout.
set -eu
source_dir=$(cd "$1" && pwd)
for tool in clang-format git; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (Debian: $tool)"
        exit 77
    fi
done
if ! git -C "$source_dir" rev-parse >/dev/null 2>&1; then
    echo "skipped: $source_dir is not a git checkout"
    exit 77
fi
cd "$source_dir"
git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' >"${TMPDIR:-/tmp}/terrava-format.$$"
trap 'rm -f "${TMPDIR:-/tmp}/terrava-format.$$"' EXIT
echo "checking $(tr -cd '\0' <"${TMPDIR:-/tmp}/terrava-format.$$" | wc -c) files with $(clang-format --version)"
if xargs -0 clang-format --dry-run --Werror <"${TMPDIR:-/tmp}/terrava-format.$$"; then
    exit 0
fi
echo "FAIL: the files above are not formatted; clang-format -i FILE formats one"
exit 1
