#!/bin/sh
# Installs the Debian packages the game needs to build and run, and with
# "test" also those its tests need; only what is missing, as root directly
# and through sudo otherwise.
set -eu

build_packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-inter fonts-liberation2"
test_packages="googletest libgtest-dev libx11-dev xvfb xauth xdotool x11-utils imagemagick"

wanted="$build_packages"
if [ "${1:-}" = "test" ]; then
    wanted="$wanted $test_packages"
fi

missing=""
for package in $wanted; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

as_root=""
if [ "$(id -u)" -ne 0 ]; then
    as_root="sudo"
fi
echo "Installing:$missing"
$as_root apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
