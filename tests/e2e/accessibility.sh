#!/bin/sh
# Screen readers can follow the game: under a private D-Bus session with the
# accessibility bus switched on as a screen reader switches it on, the tree
# of the real program is read over AT-SPI before and after three hits.
#   accessibility.sh ZINDLE
set -eu
zindle=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"

exec dbus-run-session -- sh -eu -c "
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
    '$zindle' & game=\$!
    trap 'kill \$game 2>/dev/null || true' EXIT
    window=\$(timeout 20 xdotool search --sync --onlyvisible --name '^Zindle\$' | head -1)
    /usr/bin/python3 '$here/read_accessibility.py' start
    xdotool windowfocus --sync \"\$window\"
    xdotool type --delay 30 sti
    /usr/bin/python3 '$here/read_accessibility.py' score ' 3'
"
