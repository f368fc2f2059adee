#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# test_format.sh SOURCE_DIR: every C++ file the repository holds is formatted as .clang-format
# says. Exits 77 (skipped) without clang-format or git, or outside a git checkout.
set -eu
source_dir=$(cd "$1" && pwd)
. "$(dirname "$0")/lib.sh"
need clang-format git -- "Debian: clang-format, git"
git -C "$source_dir" rev-parse >/dev/null 2>&1 || skip "$source_dir is not a git checkout"
make_work
cd "$source_dir"
git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' >"$work/files"
echo "checking $(tr -cd '\0' <"$work/files" | wc -c) files with $(clang-format --version)"
xargs -0 clang-format --dry-run --Werror <"$work/files" ||
    die "the files above are not formatted; clang-format -i FILE formats one"
