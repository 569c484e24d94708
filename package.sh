#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zindle for release and writes the Debian
# package zindle_1.00_<arch>.deb into build-release/.
set -eu
cd "$(dirname "$0")"
sh tools/deps.sh package
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZINDLE_TESTS=OFF >/dev/null
cmake --build build-release
(cd build-release && cpack -G DEB)
