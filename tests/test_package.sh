#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# test_package.sh BUILD_DIR SOURCE_DIR: builds the Debian package and installs it, as a user would with
# apt, into a fresh minimal Debian 12 root; starts the installed game there on a private X
# server and checks that the name dialog comes up with the window class the menu entry names;
# checks the copyright file, the changelog, lintian's verdict and the hardening of the program;
# prints what the install costs beside Qt Widgets alone.
#
# The minimal root is made once by debootstrap from the Debian mirror this machine's apt uses,
# and kept with the downloaded packages in BUILD_DIR/package-test/ (or the folder
# TERRAVA_PACKAGE_TEST_CACHE names), so that reruns are quick.
# Exits 77 (skipped) without root, debootstrap or a reachable Debian archive.
set -eu
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
cache=${TERRAVA_PACKAGE_TEST_CACHE:-$build/package-test}
suite=bookworm
. "$(dirname "$0")/lib.sh"
[ "$(id -u)" -eq 0 ] || skip "the package test needs root (debootstrap and chroot)"
need debootstrap -- "Debian: debootstrap"

# The first mirror of apt's sources (one-line or deb822 format) that serves the suite.
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | awk -v s=$suite '
    $1 == "deb" { i = 2; if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                  if ($(i + 1) == s) { print $i; exit } }')
if [ -z "$mirror" ]; then
    mirror=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v s=$suite 'BEGIN { RS = "" }
        $0 ~ "(^|\n)Types:[^\n]*deb([ \t]|\n|$)" && $0 ~ "(^|\n)Suites:[^\n]*[ \t]" s "([ \t]|\n|$)" {
            if (match($0, /(^|\n)URIs:[ \t]*[^ \t\n]+/)) {
                u = substr($0, RSTART, RLENGTH); sub(/^\n?URIs:[ \t]*/, "", u); print u; exit } }')
fi
[ -n "$mirror" ] || skip "no Debian $suite mirror in /etc/apt/sources.list*"

make_work
mounted=
# Only /proc is ever mounted inside the roots: once it is gone, removing them is safe.
at_end 'for dir in $mounted; do umount "$dir" 2>/dev/null || umount -l "$dir" || :; done'

# The minimal base, made once.
if [ ! -f "$cache/base/.complete" ]; then
    rm -rf "$cache/base" "$cache/base.new"
    mkdir -p "$cache"
    echo "making a minimal Debian $suite root from $mirror (once; kept in $cache/base)"
    if ! debootstrap --variant=minbase $suite "$cache/base.new" "$mirror" >"$work/debootstrap.log" 2>&1; then
        tail -n 5 "$work/debootstrap.log"
        rm -rf "$cache/base.new"
        skip "debootstrap could not make a $suite root from $mirror"
    fi
    rm -f "$cache/base.new/var/cache/apt/archives/"*.deb
    touch "$cache/base.new/.complete"
    mv "$cache/base.new" "$cache/base"
fi
mkdir -p "$cache/archives"

# A fresh root from the base, with /proc, the name server and the downloaded packages.
fresh_root() {
    cp -a "$cache/base" "$1"
    cp /etc/resolv.conf "$1/etc/resolv.conf"
    mount -t proc proc "$1/proc"
    mounted="$1/proc $mounted"
    cp "$cache/archives/"*.deb "$1/var/cache/apt/archives/" 2>/dev/null || true
}
in_root() {
    root=$1
    shift
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}
# Packages and kB installed, as "COUNT KB".
installed() { in_root "$1" dpkg-query -W -f '${Installed-Size}\n' | awk '{ n++; kb += $1 } END { print n, kb }'; }
# apt-get install ARGS... in ROOT; prints the footprint as "N packages, M MB".
install_into() {
    root=$1
    shift
    in_root "$root" apt-get update -qq >"$work/update.log" 2>&1 || return 77
    before=$(installed "$root")
    in_root "$root" apt-get install -y -q --no-install-recommends "$@" >"$work/install.log" 2>&1 || return 1
    cp "$root/var/cache/apt/archives/"*.deb "$cache/archives/" 2>/dev/null || true
    after=$(installed "$root")
    echo "$before $after" | awk '{ printf "%d packages, %.1f MB", $3 - $1, ($4 - $2) / 1024 }'
}

# The package.
(cd "$build" && cpack -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack -G DEB"
    exit 1
}
deb=$(ls "$work"/deb/terrava_*.deb)
version=$(dpkg-deb -f "$deb" Version)
pass "cpack made $(basename "$deb")"

# Installed into a fresh root, as apt installs a downloaded package.
root=$work/root
fresh_root "$root"
cp "$deb" "$root/tmp/"
status=0
footprint=$(install_into "$root" "/tmp/$(basename "$deb")") || status=$?
if [ "$status" -eq 77 ]; then
    cat "$work/update.log"
    skip "apt-get update in the root cannot reach $mirror"
elif [ "$status" -ne 0 ]; then
    cat "$work/install.log"
    fail "apt-get install of the package"
    exit 1
fi
pass "apt-get installs it into a fresh $suite root: $footprint"

# The copyright file: machine-readable, a licence paragraph for every licence it names.
copyright=$root/usr/share/doc/terrava/copyright
if head -n 1 "$copyright" 2>/dev/null | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'; then
    pass "the copyright file is machine-readable"
    for licence in $(sed -n 's/^License: //p' "$copyright" | tr ' ' '\n' | grep -v -x and | sort -u); do
        grep -qx "License: $licence" "$copyright" && grep -A1 -x "License: $licence" "$copyright" | grep -q '^ ' ||
            fail "the copyright file names $licence but gives no text for it"
    done
else
    fail "no machine-readable /usr/share/doc/terrava/copyright"
fi
# The changelog: its newest entry is this version.
if changelog_version=$(zcat "$root/usr/share/doc/terrava/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>&1) &&
    [ "$changelog_version" = "$version" ]; then
    pass "changelog.gz's newest entry is $version"
else
    fail "changelog.gz's newest entry is '$changelog_version', the package's version $version"
fi

# The installed game, started from its menu entry's command on a private X server: the name
# dialog appears, with the window class that the menu entry names.
desktop=$(ls "$root"/usr/share/applications/*.desktop)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
if command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1 && command -v xprop >/dev/null 2>&1; then
    start_x_server 1280x1024x24 || die "no X server for the installed game"
    display=$DISPLAY
    # The chroot shares this machine's abstract sockets, where the X server also listens.
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    # chroot, env, sh and the launcher each exec the next: $! is the game's own process.
    chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY="$display" \
        XDG_CONFIG_HOME=/tmp/config QT_QPA_PLATFORM=xcb \
        sh -c "cd /tmp && exec $exec_line" >"$work/game.log" 2>&1 &
    game_pid=$!
    stop_at_end "$game_pid"
    # Every window that comes up is listed; a box in the way of the name dialog is answered
    # with Enter, as a player would, and reported.
    dialog_title=$(sed -n 's|.*<property name="windowTitle"><string>\(.*\)</string>.*|\1|p' \
        "$source_dir/content/OKBottomDlg.ui" | head -n 1)
    seen=
    dialog=
    for _ in $(seq 60); do
        for window in $(DISPLAY=$display xdotool search --onlyvisible --name '.' 2>/dev/null); do
            title=$(DISPLAY=$display xdotool getwindowname "$window" 2>/dev/null || true)
            case " $seen " in *" $window "*) continue ;; esac
            seen="$seen $window"
            if [ "$title" = "$dialog_title" ]; then
                dialog=$window
            else
                DISPLAY=$display import -window root "$cache/box-before-dialog.png" 2>/dev/null || true
                echo "note: a window '$title' came up before the name dialog (screenshot:" \
                    "$cache/box-before-dialog.png); answered with Enter"
                DISPLAY=$display xdotool windowfocus --sync "$window" key Return 2>/dev/null || true
            fi
        done
        [ -n "$dialog" ] && break
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.5
    done
    if [ -n "$dialog" ]; then
        classes=$(DISPLAY=$display xprop -id "$dialog" WM_CLASS)
        pass "the installed game shows its name dialog, '$dialog_title' ($classes)"
        case "$classes" in
        *"\"$wm_class\""*) pass "StartupWMClass=$wm_class is the window's class" ;;
        *) fail "StartupWMClass is '$wm_class', the window's WM_CLASS is $classes" ;;
        esac
        DISPLAY=$display import -window root "$cache/name-dialog.png" 2>/dev/null &&
            echo "screenshot: $cache/name-dialog.png"
    else
        fail "no name dialog '$dialog_title' of the installed game within 30 s: $(cat "$work/game.log")"
    fi
else
    # Without an X server: the game runs offscreen until it is told to stop.
    chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 \
        XDG_CONFIG_HOME=/tmp/config QT_QPA_PLATFORM=offscreen terrava >"$work/game.log" 2>&1 &
    game_pid=$!
    stop_at_end "$game_pid"
    sleep 3
    kill -0 "$game_pid" 2>/dev/null && pass "the installed game runs offscreen after 3 s" ||
        fail "the installed game ended within 3 s: $(cat "$work/game.log")"
fi
kill -TERM "$game_pid" 2>/dev/null || true
status=0
wait "$game_pid" || status=$?
forget "$game_pid"
# 143: ended by SIGTERM, as asked; anything else is a crash or an error.
[ "$status" -eq 143 ] && pass "the game ends on SIGTERM" ||
    fail "the game ended with status $status on SIGTERM: $(cat "$work/game.log")"

# lintian: no error and no warning.
if command -v lintian >/dev/null 2>&1; then
    lintian --display-info "$deb" >"$work/lintian.log" 2>&1 || true
    grep -v '^running with root' "$work/lintian.log" | grep '^[A-Z]:' || true
    if grep -q '^[EW]:' "$work/lintian.log"; then
        fail "lintian reports errors or warnings"
    else
        pass "lintian: no error, no warning"
    fi
else
    echo "skipped: lintian is not installed (Debian: lintian)"
fi
# The hardening of Debian's own builds.
# The hardening of Debian's own builds (bookworm's have no control flow protection).
# hardening-check finds fortified functions only where the compiler could check a size; a
# program without such calls has none, so then the flag is looked for in the build.
if command -v hardening-check >/dev/null 2>&1; then
    game=$root/usr/libexec/terrava/terrava
    hardening-check --nocfprotection "$game" >"$work/hardening.log" 2>&1 || true
    sed 's/^/    /' "$work/hardening.log"
    if hardening-check --quiet --nocfprotection "$game" >/dev/null 2>&1; then
        pass "hardening-check"
    elif hardening-check --quiet --nocfprotection --nofortify "$game" >/dev/null 2>&1 &&
        grep -q 'Fortify Source functions: no, only unprotected' "$work/hardening.log" &&
        ! readelf --dyn-syms -W "$game" | grep -q '_chk@' &&
        grep -q -- '-D_FORTIFY_SOURCE=2' "$build/compile_commands.json"; then
        pass "hardening-check (no call the compiler could fortify; the build defines _FORTIFY_SOURCE=2)"
    else
        fail "hardening-check"
    fi
else
    echo "skipped: hardening-check is not installed (Debian: devscripts)"
fi

# For comparison: Qt Widgets and its platform plugins alone, in another fresh root.
umount "$root/proc" && mounted=${mounted#"$root/proc "}
rm -rf "$root"
fresh_root "$work/qt"
if qt_footprint=$(install_into "$work/qt" libqt6widgets6 qt6-qpa-plugins); then
    echo "footprint: terrava $footprint; Qt Widgets and its platform plugins alone $qt_footprint"
else
    cat "$work/install.log"
    fail "apt-get install of Qt Widgets"
fi

finish "all package checks passed"
