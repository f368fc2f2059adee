#!/bin/sh
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# test_install.sh BUILD_DIR SOURCE_DIR: installs the built game into a temporary prefix and
# checks what a desktop needs of it: the files, the desktop entry and the metainfo (through
# their validators when they are installed), the launcher starting the game in its data folder
# (through a symlink, from elsewhere), and the Debian package's name, dependencies and content.
# Touches nothing outside its temporary folder.
set -eu
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)

. "$(dirname "$0")/lib.sh"
make_work

# A prefix with a space and a dollar sign: the launcher and the desktop entry must quote.
prefix="$work/in stall\$dir"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
}
data="$prefix/share/terrava"

# The files.
for file in bin/terrava libexec/terrava/terrava; do
    if [ -f "$prefix/$file" ] && [ -x "$prefix/$file" ]; then
        pass "$file is an executable"
    else
        fail "$file is missing or not executable"
    fi
done
# Every file of the built game folder but the game itself, unchanged.
content=0
for file in $(cd "$build/game" && find . -type f ! -name terrava | sort); do
    content=$((content + 1))
    if cmp -s "$build/game/$file" "$data/$file"; then
        pass "share/terrava/${file#./}"
    else
        fail "share/terrava/${file#./} is missing or differs from the game folder's"
    fi
done
[ "$content" -ge 12 ] || fail "the game folder holds $content files, expected the 12 of its content"

# The desktop entry: its paths are those of this prefix, its icon is installed.
id=
set -- "$prefix"/share/applications/*.desktop
if [ "$#" -ne 1 ] || [ ! -f "$1" ]; then
    fail "expected one desktop entry in share/applications, found: $*"
    desktop=
else
    desktop=$1
fi
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
[ -f "$metainfo" ] || fail "no metainfo in share/metainfo"
if [ -n "$desktop" ]; then
    id=$(basename "$desktop" .desktop)
    value() { sed -n "s/^$1=//p" "$desktop"; }
    # A desktop entry escapes a backslash as \\; inside Exec's quotes $ is escaped with one.
    expected_path=$data
    [ "$(value Path)" = "$expected_path" ] && pass "Path=$expected_path" ||
        fail "Path is '$(value Path)', expected '$expected_path'"
    expected_exec=$(printf '"%s"' "$prefix/bin/terrava" | sed 's/\$/\\\\$/g')
    [ "$(value Exec)" = "$expected_exec" ] && pass "Exec=$expected_exec" ||
        fail "Exec is '$(value Exec)', expected '$expected_exec'"
    icon=$(value Icon)
    if [ -n "$icon" ] && ls "$prefix"/share/icons/hicolor/*/apps/"$icon".png >/dev/null 2>&1; then
        pass "icon $icon installed"
    else
        fail "icon '$icon' not found under share/icons/hicolor"
    fi
    if [ -f "$metainfo" ]; then
        grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" &&
            pass "metainfo launches $id.desktop" || fail "metainfo does not name $id.desktop"
        grep -q "<id>$id</id>" "$metainfo" && pass "metainfo id $id" ||
            fail "metainfo id is not $id"
    fi
    if command -v desktop-file-validate >/dev/null 2>&1; then
        if out=$(desktop-file-validate "$desktop" 2>&1) && ! echo "$out" | grep -q error; then
            pass "desktop-file-validate ${out:-(no remarks)}"
        else
            fail "desktop-file-validate: $out"
        fi
    else
        echo "skipped: desktop-file-validate is not installed (Debian: desktop-file-utils)"
    fi
fi
if [ -f "$metainfo" ]; then
    if command -v appstreamcli >/dev/null 2>&1; then
        if out=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1); then
            pass "appstreamcli validate: $out"
        else
            fail "appstreamcli validate: $out"
        fi
    else
        echo "skipped: appstreamcli is not installed (Debian: appstream)"
    fi
fi

# The launcher, through a symlink, from another folder: the game runs in its data folder.
mkdir "$work/elsewhere" "$work/config"
ln -s "$prefix/bin/terrava" "$work/elsewhere/terrava-link"
(
    cd /
    export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
    exec "$work/elsewhere/terrava-link"
) >"$work/game.log" 2>&1 &
game_pid=$!
stop_at_end "$game_pid"
sleep 3
if kill -0 "$game_pid" 2>/dev/null; then
    pass "the installed game runs after 3 s"
    cwd=$(readlink "/proc/$game_pid/cwd" || true)
    exe=$(readlink "/proc/$game_pid/exe" || true)
    [ "$cwd" = "$data" ] && pass "its working folder is $data" ||
        fail "its working folder is '$cwd', expected '$data'"
    [ "$exe" = "$prefix/libexec/terrava/terrava" ] && pass "it is the installed game" ||
        fail "it runs '$exe', expected the installed game"
else
    fail "the installed game ended within 3 s: $(cat "$work/game.log")"
fi
stop "$game_pid"

# The Debian package, built into the temporary folder and unpacked there.
if [ ! -f "$build/CPackConfig.cmake" ]; then
    fail "no CPackConfig.cmake in $build"
elif ! command -v dpkg-shlibdeps >/dev/null 2>&1 || ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "skipped: the Debian package check needs dpkg-shlibdeps and dpkg-deb (Debian: dpkg-dev)"
else
    version=$(sed -n 's/^project(Terrava VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
    arch=$(dpkg --print-architecture)
    deb="$work/deb/terrava_${version}_${arch}.deb"
    if (cd "$build" && cpack -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 && [ -f "$deb" ]; then
        pass "cpack made $(basename "$deb")"
        depends=$(dpkg-deb -f "$deb" Depends)
        for package in qt6-qpa-plugins libqt6widgets6 libqt6charts6 libqt6sql6-sqlite \
            fonts-liberation2; do
            case "$depends" in
            *"$package"*) pass "depends on $package" ;;
            *) fail "Depends lacks $package: $depends" ;;
            esac
        done
        dpkg-deb -x "$deb" "$work/root"
        # The libraries it depends on are those the game links, and no others; the SQLite driver
        # is a plugin that Qt SQL loads at run time.
        linked=$(readelf -d "$work/root/usr/libexec/terrava/terrava" |
            sed -n 's/.*Shared library: \[\(.*\)\]/\1/p' | while read -r lib; do
                dpkg -S "*/$lib" 2>/dev/null | sed -n '1s/:.*//p'
            done | sort -u)
        for package in $(echo "$depends" | tr ',|' '\n\n' | awk '{ print $1 }' | grep '^lib' | grep -vx libqt6sql6-sqlite | sort -u); do
            echo "$linked" | grep -qx "$package" && pass "the game links a library of $package" ||
                fail "Depends names $package, whose libraries the game does not link"
        done
        for file in usr/bin/terrava usr/libexec/terrava/terrava usr/share/terrava/Ring.wav \
            usr/share/terrava/images/help.html "usr/share/applications/$id.desktop" \
            "usr/share/metainfo/$id.metainfo.xml"; do
            [ -f "$work/root/$file" ] && pass "package holds /$file" || fail "package lacks /$file"
        done
        grep -qx 'Path=/usr/share/terrava' "$work/root/usr/share/applications/$id.desktop" &&
            pass "the packaged desktop entry runs in /usr/share/terrava" ||
            fail "the packaged desktop entry's Path is not /usr/share/terrava"
    else
        cat "$work/cpack.log"
        fail "cpack -G DEB did not make $(basename "$deb")"
    fi
fi

finish "all install checks passed"
