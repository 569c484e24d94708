#!/bin/sh
# SPDX-License-Identifier: MIT
# How fast is it: builds the game, the benchmark and its two reference
# windows for release, runs them on an Xvfb of the benchmark's own and
# prints one table (Markdown). Everything runs under a private D-Bus
# session bus, as on a desktop, so that no program pays for starting one.
# About five minutes; then start-up, memory and key-to-commit natively on
# Wayland, under a sway of the benchmark's own (bench/wayland.sh, about two
# minutes more). Exits with status 1 when the median game lasts longer
# than 15.005 s.
#   bench/run.sh [GAMES [OTHER_ZINDLE]]
# With 0 games, start-up and memory alone (about half a minute); with
# another build of the game as well, that build is measured in the same
# rounds, side by side, and its key-to-paint beside this build's.
set -eu
cd "$(dirname "$0")/.."
sh tools/deps.sh test
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZINDLE_BENCH=ON -DZINDLE_TESTS=OFF >/dev/null
cmake --build build-bench --target zindle bench ref_qt ref_xlib >/dev/null
dbus-run-session -- ./build-bench/bench/bench ./build-bench/zindle ./build-bench/bench/ref_qt \
    ./build-bench/bench/ref_xlib "${1:-10}" ${2:+"$2"}
echo
sh bench/wayland.sh ./build-bench/zindle ./build-bench/bench/ref_qt 20 100
