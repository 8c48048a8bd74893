#!/usr/bin/env bash
# Installs everything Velto needs to build and test on Debian 12, as root or
# through sudo. Safe to run again: apt-get skips what is already there.
# Extra arguments are further packages to install.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    # JUCE 7 and the libraries its modules build against
    juce-modules-source juce-tools
    libasound2-dev libfreetype-dev libfontconfig1-dev libgl-dev
    libx11-dev libxext-dev libxrandr-dev libxinerama-dev libxcursor-dev
    libpng-dev libjpeg-dev zlib1g-dev
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb libgl1-mesa-dri lilv-utils binutils
    # the test display's own check: xprop
    x11-utils
    # the LV2 window test's host: lilv and suil, as LV2 hosts embed windows
    liblilv-dev libsuil-dev
    # end-to-end tests: clicks and window grabs through the X server
    xdotool imagemagick
)
# Callers that need more (the fuzzer's clang) name the packages as arguments.
PACKAGES+=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
