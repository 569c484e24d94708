#!/bin/sh
# SPDX-License-Identifier: MIT
# The window's shapes on whole device pixels natively on Wayland: under sway
# (headless, pixman) with its output at 1, 1.25, 1.5, 1.75, 2 and 3, the Qt
# tests' window is shown with QT_QPA_PLATFORM=wayland, drawn at the output's
# scale (not at the next whole one and shrunk), and with its captions taken
# away it is pixel for pixel what its layout draws. As root, everything runs
# as the user nobody, since sway refuses root.
#   shapes.sh QT_TESTS
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
. "$here/session.sh"
. "$here/sway.sh"
runnable "$1"
start_sway 2560x1600

for scale in 1 1.25 1.5 1.75 2 3; do
    session SWAYSOCK="$sway_ipc" swaymsg output HEADLESS-1 scale "$scale" >/dev/null
    log="$work/scale-$scale.log"
    # A sanitizer build keeps its options, but for leaks: Qt's Wayland client
    # keeps the compositor's globals to the end (Qt 6.4: 928 bytes in 11
    # blocks, all below QtWaylandClient and libwayland-client). The same
    # code runs with leak checking on the offscreen platform.
    session ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
        QT_QPA_PLATFORM=wayland ZINDLE_OUTPUT_SCALE="$scale" "$work/qt_tests" --gtest_filter='WindowShapes.*' \
        >"$log" 2>&1 || fail "at $scale: $(grep -A3 Failure "$log" | head -8; tail -5 "$log")"
    if grep -q '^\[  SKIPPED \] 1 test' "$log"; then
        echo "at $scale: $(grep -A1 'Skipped' "$log" | tail -1)"
    else
        grep -q '^\[  PASSED  \] 1 test' "$log" || fail "at $scale no test ran: $(tail -3 "$log")"
        echo "ok: at $scale the shapes lie on whole device pixels"
    fi
done
