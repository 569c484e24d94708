#!/bin/sh
# SPDX-License-Identifier: MIT
# The benchmark natively on Wayland: a headless sway of its own (the pixman
# renderer), with a D-Bus session bus, runs bench/wayland.py on the game
# and the bare Qt window (see there for what is measured). As root, the
# session runs as the user nobody.
#   bench/wayland.sh ZINDLE REF_QT [ROUNDS [PRESSES]]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/common.sh"
. "$here/../tests/wayland/session.sh"
. "$here/../tests/wayland/sway.sh"
runnable_game "$1"
runnable "$2"
runnable "$here/wayland.py"
start_bus
start_sway 1024x768
session /usr/bin/python3 "$work/wayland.py" "$work/$(basename "$1")" "$work/$(basename "$2")" "${3:-20}" "${4:-100}"
