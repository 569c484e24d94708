#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zindle and starts it.
set -eu
cd "$(dirname "$0")"
sh tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZINDLE_TESTS=OFF >/dev/null
cmake --build build --target zindle
exec ./build/zindle
