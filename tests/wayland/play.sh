#!/bin/sh
# SPDX-License-Identifier: MIT
# A full game natively on a Wayland desktop: sway, GNOME's mutter or KDE's
# KWin, headless, with QT_QPA_PLATFORM=wayland. Each desktop's own route
# types the keys and takes the screenshots (sway.sh, gnome.sh, kde.sh);
# PipeWire's PulseAudio front hears the bells, on a null sink. As root,
# everything runs as the user nobody, from copies that user can read.
# Checks that the window stands on the screen pixel for pixel as its
# reference picture (itself checked against the same window on an Xvfb),
# that keys count and move the frame, that the clock counts down, that the
# game ends with seven bells at the sound server, and that Space continues
# to a second game. Where the desktop offers no screenshot (KWin without
# OpenGL), the game is followed by its first committed frame and its bells.
# At a fractional SCALE (GNOME only) the window must stand on the screen
# pixel for pixel as Qt draws it at that scale on X11, where the shape
# checks hold it to its layout: drawn natively at that scale, not at the
# next whole one and shrunk. Qt before 6.5 has no fractional scaling on
# Wayland: there the test is skipped.
#   play.sh DESKTOP ZINDLE START_PICTURE PLACES_SH TOOLS [SCALE]
# DESKTOP is sway, gnome or kde; TOOLS the folder of find_window and fake_keys.
# ZINDLE_DESKTOP_ENTRY names the desktop entry the build installs.
set -eu
desktop=$1
zindle=$2
reference=$3
eval "$("$4")"   # the window's size, its clock and the spots looked at
tools=$5
scale=${6:-1}
if [ "$scale" != 1 ] && dpkg --compare-versions "$(dpkg-query -W -f='${Version}' libqt6gui6)" lt 6.5; then
    echo "Qt $(dpkg-query -W -f='${Version}' libqt6gui6) has no fractional scaling on Wayland"
    exit 77
fi
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
. "$here/session.sh"
. "$here/$desktop.sh"
runnable_game "$zindle"
out="$work/home"
can_grab=yes
start_bus
start_pipewire
start_desktop

served pactl subscribe >"$work/streams" 2>&1 &
track $!
served parec --latency-msec=10 --raw --format=s16le --channels=1 --rate=8000 \
    -d zindle_bell.monitor >"$work/bells.raw" &
recorder=$!
track $recorder
bells() { grep -c "'new' on sink-input" "$work/streams" || true; }
# waitbells N: up to 20 s for the Nth bell.
waitbells() {
    for _ in $(seq 200); do [ "$(bells)" -ge "$1" ] && break; sleep 0.1; done
    [ "$(bells)" -eq "$1" ] || fail "$(bells) bell sounds reached the sound server, not $1"
}

# Without screenshots the game's Wayland log tells when its first frame
# is committed.
debug=""
[ "$can_grab" = yes ] || debug="WAYLAND_DEBUG=client"
served $desktop_environment $debug QT_QPA_PLATFORM=wayland "$work/zindle" >"$work/game.log" 2>&1 &
game=$!
track $game

if [ "$can_grab" = no ]; then
    # (Debian 12's libwayland writes wl_surface@5, Debian 13's wl_surface#5.)
    waits "the game committed no frame" awk '/wl_surface[@#][0-9]+\.attach\(wl_buffer/ { a = 1 }
        a && /wl_surface[@#][0-9]+\.commit\(\)/ { found = 1; exit } END { exit !found }' "$work/game.log"
    echo "no screenshots on this KWin: the game is followed by its bells"
    typekeys s t i
    waitbells 7
    typekeys " " s
    waitbells 14
    kill "$game"
    echo "ok: a full game and the start of a second on $desktop, heard"
    exit 0
fi

# The reference, pixel for pixel the same window on an Xvfb; at a
# fractional scale the X11 window drawn at that scale.
start_xvfb 2048x1536
QT_SCALE_FACTOR=$scale "$zindle" >/dev/null 2>&1 &
track $!
x11=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zindle$' | head -1) || fail "no X11 window"
for n in $(seq 50); do   # up to 10 s for the X11 window's first paint
    import -window "$x11" "$work/x11.png"
    if [ "$scale" = 1 ]; then
        [ "$(differing_pixels "$work/x11.png" "$reference")" = "0" ] && break
    elif [ -f "$work/x11-before.png" ] && [ "$(convert "$work/x11.png" -format '%k' info:)" -gt 2 ] &&
        [ "$(differing_pixels "$work/x11.png" "$work/x11-before.png")" = "0" ]; then
        reference="$work/x11.png"
        break
    fi
    [ "$n" -lt 50 ] || fail "the X11 window differs from the reference"
    cp "$work/x11.png" "$work/x11-before.png"
    sleep 0.2
done
# At 1.5 Qt's title bar on GNOME lets the desktop show through the window's
# last device column and row; a bare Qt window shows the same strip.
see_through=""
if [ "$scale" = 1.5 ] && [ "$desktop" = gnome ]; then
    set -- $(identify -format '%w %h' "$reference")
    see_through="1x$2+$(($1 - 1))+0 ${1}x1+0+$(($2 - 1))"
fi
# The start: the reference stands somewhere on the screen, pixel for pixel;
# where the compositor tells where the window is, it stands there.
for n in $(seq 50); do
    grab "$out/screen.png"
    # shellcheck disable=SC2086
    place=$("$tools/find_window" "$out/screen.png" "$reference" $see_through) && break
    if [ "$n" -eq 50 ]; then
        cp "$out/screen.png" "wayland-$desktop-$scale-screen.png"
        cp "$reference" "wayland-$desktop-$scale-reference.png"
        fail "the reference picture is nowhere on the screen (wayland-$desktop-$scale-*.png): $(tail -3 "$work/game.log")"
    fi
    sleep 0.2
done
set -- $place
left=$1 top=$2
cp "$out/screen.png" "wayland-$desktop-$scale-start.png"   # the desktop as a player saw it
if command -v compositor_place >/dev/null; then
    told=$(compositor_place)
    [ "$told" = "$left $top $size" ] || fail "the window is at $told, its picture at $left $top"
    # The compositor takes the icon, the dock entry and the grouping from
    # the desktop entry named by the app id.
    app_id=$(compositor_app_id)
    [ "$app_id.desktop" = "$(basename "$ZINDLE_DESKTOP_ENTRY")" ] ||
        fail "the window's app id is $app_id; the desktop entry is $(basename "$ZINDLE_DESKTOP_ENTRY")"
    echo "the window's app id is $app_id, its desktop entry's name"
fi
echo "the window's picture stands at $left, $top on $desktop"
# On GNOME, where Qt draws the title bar, it is GNOME's own (Adwaita's
# white header bar) wherever Qt has that decoration.
if [ "$desktop" = gnome ] && dpkg -L qt6-wayland | grep -q 'wayland-decoration-client/libadwaita\.so$'; then
    header=$(convert "$out/screen.png" -format "%[hex:p{$((left + 40)),$((top - ${scale%.*} * 12))}]" info: |
        cut -c1-6)
    [ "$header" = FFFFFF ] || fail "the title bar is $header, not Adwaita's white header bar"
    echo "GNOME's Adwaita title bar"
fi
if [ "$scale" != 1 ]; then
    echo "ok: at $scale the window stands on $desktop as Qt draws it at $scale"
    exit 0
fi

# Keys count and move the frame; the clock runs.
typekeys s
waitfor "the first hit did not show the frame at slot 2" "$frame_at_2"
first_hit=$(date +%s.%N)
typekeys t i
waitfor "two more hits did not move the frame to slot 1" "$frame_at_1"
convert "$out/screen.png" -crop "$size+$left+$top" +repage -crop "$clock" +repage "$work/clock-start.png"
for n in $(seq 25); do   # up to 5 s for the clock to move
    convert "$(screenshot)" -crop "$clock" +repage "$work/clock-running.png"
    [ "$(differing_pixels "$work/clock-start.png" "$work/clock-running.png")" != "0" ] && break
    [ "$n" -lt 25 ] || fail "the clock did not count down"
    sleep 0.2
done

# The end: seven bell sounds played, "Continue" shown.
waitbells 7
ended=$(date +%s.%N)
waitfor "Continue did not appear" "$continue"
sleep 1.5
kill "$recorder"
wait "$recorder" 2>/dev/null || true
sounds=$(/usr/bin/python3 "$here/count_sounds.py" 8000 <"$work/bells.raw")
echo "the end seen $(awk "BEGIN { print $ended - $first_hit }") s after the first hit was seen; 7 bell streams; recorded: $sounds"
[ "${sounds%% *}" -ge 1 ] || fail "nothing was heard at the sound server"

# Continue from the keyboard, then a second game.
typekeys " "
waitfor "Space did not continue" "$yellow_tile"
typekeys s
waitfor "the second game did not start" "$frame_at_2"
kill "$game"
echo "ok: a full game on $desktop"
