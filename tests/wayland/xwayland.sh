#!/bin/sh
# SPDX-License-Identifier: MIT
# The game's first frame through Xwayland stands where the compositor has
# the window: under sway (headless, pixman) with its X server, the game is
# started as an X11 client again and again, and each time, from the first
# screenshot that shows its picture anywhere, the picture must stand, pixel
# for pixel, at the place sway's tree gives the window. The misplaced frame
# this guards against (drawn with its corner at the screen's centre) stayed
# until the next paint, so a screenshot taken after it still shows it.
#   xwayland.sh ZINDLE START_PICTURE FIND_WINDOW [STARTS]
set -eu
reference=$2
find_window=$3
starts=${4:-16}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
. "$here/session.sh"
. "$here/sway.sh"
runnable "$1"
out="$work/home"
start_sway 1024x768 xwayland

# Whether sway's tree has the window yet.
has_window() { [ -n "$(compositor_place)" ]; }
for start in $(seq "$starts"); do
    served DISPLAY="$x_display" QT_QPA_PLATFORM=xcb "$work/zindle" >"$work/game.log" 2>&1 &
    game=$!
    track $game
    waits "start $start: sway has no window" has_window
    told=$(compositor_place)
    for n in $(seq 20); do   # up to about 5 s for the picture
        session grim "$out/screen.png"
        place=$("$find_window" "$out/screen.png" "$reference") && break
        if [ "$n" -eq 20 ]; then
            cp "$out/screen.png" "xwayland-misplaced-$start.png"
            fail "start $start: the picture is not on the screen, sway has the window at $told (xwayland-misplaced-$start.png)"
        fi
        sleep 0.1
    done
    [ "$place ${told#* * }" = "$told" ] || fail "start $start: the picture stands at $place, sway has the window at $told"
    kill "$game"
    wait "$game" 2>/dev/null || true
done
echo "ok: $starts starts through Xwayland, each first frame where sway has the window"
