#!/bin/sh
# SPDX-License-Identifier: MIT
# Writes the reference pictures of the window under tests/pictures anew, from
# the window as the Qt tests show it. Look at every picture that changed
# against the layout before committing it. One set serves every release.
#   tools/update-pictures.sh
set -eu
cd "$(dirname "$0")/.."
sh tools/deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZINDLE_TESTS=ON >/dev/null
cmake --build build --target qt_tests
mkdir -p tests/pictures
export QT_QPA_PLATFORM=offscreen ZINDLE_WRITE_PICTURES=1
./build/tests/qt_tests --gtest_filter='WindowPicture.A*:WindowPicture.MidGame:-*AtScale2'
QT_SCALE_FACTOR=2 ./build/tests/qt_tests --gtest_filter='WindowPicture.AtTheStartAtScale2'
git status --short tests/pictures 2>/dev/null || true
