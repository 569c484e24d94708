#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the Debian packages the game needs to build and run, and with
# "test" also those its tests need; only what is missing, as root directly
# and through sudo otherwise.
set -eu

build_packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev librsvg2-bin fonts-liberation2"
# What the package recommends, so that a game built from source is drawn
# natively and rings its bell on a Wayland desktop, as the package does.
runtime_packages="qt6-wayland libcanberra0 libcanberra-pulse sound-theme-freedesktop"
package_packages="dpkg-dev file lintian"
# The tests run with the system's own Inter installed, which must not change
# the window: the game draws with the Inter it carries. An impostor made
# with python3-fonttools from DejaVu Sans Bold must not change it either.
# librsvg2-common lets AppStream's compose read the scalable icon, as on
# the build servers that make a software centre's catalogue.
# Orca plays the game by ear through speech-dispatcher and espeak-ng, in an
# English locale that the test makes from the "locales" package's sources.
test_packages="fonts-inter python3-fonttools fonts-dejavu-core librsvg2-common googletest libgtest-dev libx11-dev libxtst-dev xvfb xauth xdotool x11-utils lintian diffoscope-minimal appstream-compose openbox dbus-x11 sway wtype grim imagemagick desktop-file-utils appstream devscripts dpkg-dev file binutils-mingw-w64-x86-64 strace pulseaudio pulseaudio-utils sox libsox-fmt-all dbus at-spi2-core python3-pyatspi xwayland mutter kwin-wayland pipewire pipewire-pulse wireplumber gstreamer1.0-pipewire gstreamer1.0-tools gstreamer1.0-plugins-good python3-dbus python3-gi plasma-wayland-protocols libwayland-dev orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng gsettings-desktop-schemas libglib2.0-bin locales"

wanted="$build_packages $runtime_packages"
case "${1:-}" in
test) wanted="$wanted $test_packages" ;;
package) wanted="$wanted $package_packages" ;;
esac

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
