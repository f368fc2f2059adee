# The Debian packages the project needs, sourced by ./play and ./test.
# shellcheck shell=bash
BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
    libsndfile1-dev libbenchmark-dev
)
# What the game needs to run on a desktop.
RUN_PACKAGES=(
    qt6-qpa-plugins fonts-dejavu-core fonts-liberation2
)
# What the test suite needs besides: a headless X server for the real-window tests.
TEST_PACKAGES=(
    xvfb xauth pulseaudio pulseaudio-utils
)
