#!/bin/sh
# SPDX-License-Identifier: MIT
# Screen readers can follow the game and act in it: under a private D-Bus
# session with the accessibility bus switched on as a screen reader switches
# it on, the tree of the real program is read over AT-SPI; D, G and P are
# chosen through the tiles' press actions alone, and the game, started with
# its first letter, is left at its end through Continue's action. What a
# player hears is Orca's test (orca.sh).
#   accessibility.sh ZINDLE
set -eu
zindle=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
start_xvfb
export XDG_RUNTIME_DIR="$work"

dbus-run-session -- sh -eu -c "
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
    '$zindle' & game=\$!
    trap 'kill \$game 2>/dev/null || true' EXIT
    window=\$(timeout 20 xdotool search --sync --onlyvisible --name '^Zindle\$' | head -1)
    /usr/bin/python3 '$here/read_accessibility.py' start
    xdotool windowfocus --sync \"\$window\"
    /usr/bin/python3 '$here/read_accessibility.py' choose
    xdotool type d
    /usr/bin/python3 '$here/read_accessibility.py' continue
"
