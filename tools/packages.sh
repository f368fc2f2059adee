# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages the project needs, sourced by ./play and ./test.
# shellcheck shell=bash
# qt6-l10n-tools holds lupdate and lrelease, qt6-tools-dev their CMake functions.
BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-charts-dev libqt6opengl6-dev
    qt6-l10n-tools qt6-tools-dev
    libsndfile1-dev libopenal-dev libbenchmark-dev
)
# What the game needs to run on a desktop (Qt's translations for its dialogs' buttons).
RUN_PACKAGES=(
    qt6-qpa-plugins fonts-dejavu-core fonts-liberation2 qt6-translations-l10n libqt6sql6-sqlite
    libqt6charts6
)
# What the test suite needs besides: a headless X server, a window manager and their tools for
# the real-window tests, and a private sound server for the sound tests.
TEST_PACKAGES=(
    xvfb xauth xdotool x11-utils openbox imagemagick pulseaudio pulseaudio-utils clang-format
    weston qt6-wayland dbus libglib2.0-bin at-spi2-core python3-pyatspi gir1.2-atspi-2.0
)
# What .ci/run needs besides for its checked builds: clang with its sanitizer and fuzzer
# runtimes (g++ brings its own sanitizer runtimes).
CI_PACKAGES=(
    clang libclang-rt-14-dev
)
# What the install test needs to check the desktop entry, the metainfo and the Debian package
# (tests/test_install.sh skips those checks when they are missing), and the licensing check
# (tests/test_reuse.sh).
INSTALL_CHECK_PACKAGES=(
    desktop-file-utils appstream dpkg-dev reuse git
)
# What the package test needs besides (tests/test_package.sh): a minimal Debian root to
# install into, lintian, hardening-check, and an X server with its tools to see the game start.
PACKAGE_TEST_PACKAGES=(
    debootstrap lintian devscripts xvfb xdotool x11-utils imagemagick
)
