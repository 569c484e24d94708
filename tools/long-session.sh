#!/bin/sh
# SPDX-License-Identifier: MIT
# Plays 200 games in a row in the real program under its own Xvfb (about an
# hour) and checks that every game ends with seven bells and the right score
# and that the program's memory stays flat.
#   tools/long-session.sh [GAMES]
set -eu
cd "$(dirname "$0")/.."
sh tools/deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zindle long_session
exec ./build/tests/long_session ./build/zindle "${1:-200}"
