#!/bin/sh
# SPDX-License-Identifier: MIT
# A full game on Wayland. The real program runs under sway (headless, the
# pixman renderer, no input devices) with QT_QPA_PLATFORM=wayland; wtype
# types into it, grim takes the screenshots and a PulseAudio null sink hears
# the bells. sway refuses to run as root, so as root everything here runs as
# the user nobody, from a copy of the program that user can read.
# Checks that the game draws exactly as on X11 and as its reference picture,
# counts keys and moves the
# frame, counts the clock down, ends with seven bells at the sound server,
# and continues from the keyboard.
#   play.sh ZINDLE START_PICTURE PLACES_SH
set -eu
zindle=$1
reference=$2   # the reference picture of the start
eval "$("$3")"   # the window's size, its clock and the spots looked at
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
. "$here/sway.sh"
runnable "$zindle"
out="$work/home"
start_sway 1024x768

# The sound server, its null sink recorded, new playback streams counted.
served pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes --log-target=stderr \
    --load="module-null-sink sink_name=zindle_bell" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/run/pulse-native" \
    >"$work/pulse.log" 2>&1 &
track $!
for _ in $(seq 100); do session pactl info >/dev/null 2>&1 && break; sleep 0.1; done
session pactl info >/dev/null 2>&1 || fail "PulseAudio did not start: $(tail -5 "$work/pulse.log")"
served pactl subscribe >"$work/streams" 2>&1 &
track $!
served parec --latency-msec=10 --raw --format=s16le --channels=1 --rate=8000 \
    -d zindle_bell.monitor >"$work/bells.raw" &
recorder=$!
track $recorder

served QT_QPA_PLATFORM=wayland "$work/zindle" >"$work/game.log" 2>&1 &
game=$!
track $game

# The window's place on the screen, from the compositor.
for _ in $(seq 100); do
    place=$(session SWAYSOCK="$sway_ipc" swaymsg -t get_tree 2>/dev/null |
        /usr/bin/python3 "$here/window_rect.py" Zindle 2>/dev/null) && break
    sleep 0.05
done
[ -n "${place:-}" ] || fail "no Zindle window: $(tail -5 "$work/game.log")"
set -- $place
left=$1 top=$2
[ "$3x$4" = "$size" ] || fail "the window is $3 x $4, not $size"

# A screenshot of the window, in a file of its own; prints the file's name.
screenshot() {
    name=$(date +%s%N)
    session grim "$out/screen$name.png"
    convert "$out/screen$name.png" -crop "$size+$left+$top" +repage "$work/window$name.png"
    echo "$work/window$name.png"
}
# The colour of a pixel of a window screenshot, as RRGGBB.
pixel() { convert "$1" -format '%[hex:p{'"$2,$3"'}]' info: | cut -c1-6; }
# wtype's keys are lost while the compositor is still taking its new
# virtual keyboard: each call waits 300 ms before it types.
typekeys() { session wtype -s 300 "$@"; }
waitfor() {   # waitfor DESCRIPTION "X Y RRGGBB": up to 5 s for that pixel
    set -- "$1" $2
    for _ in $(seq 25); do
        [ "$(pixel "$(screenshot)" "$2" "$3")" = "$4" ] && return 0
        sleep 0.2
    done
    fail "$1"
}

# The start, pixel for pixel the reference picture of the window, and the
# same window grabbed from an Xvfb.
waitfor "the window was not painted" "$yellow_tile"
start=$(screenshot)
start_xvfb
"$zindle" >/dev/null 2>&1 &
track $!
x11=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zindle$' | head -1) || fail "no X11 window"
for n in $(seq 50); do   # up to 10 s for the X11 window's first paint
    import -window "$x11" "$work/x11.png"
    [ "$(differing_pixels "$work/x11.png" "$reference")" = "0" ] && break
    [ "$n" -lt 50 ] || fail "the X11 window differs from the reference"
    sleep 0.2
done
differing=$(differing_pixels "$start" "$reference") || true
[ "$differing" = "0" ] || fail "the Wayland window differs from the reference in $differing pixels"

# Keys count and move the frame; the clock runs.
typekeys s
waitfor "the first hit did not show the frame at slot 2" "$frame_at_2"
first_hit=$(date +%s.%N)
typekeys t i
waitfor "two more hits did not move the frame to slot 1" "$frame_at_1"
convert "$start" -crop "$clock" +repage "$work/clock-start.png"
for n in $(seq 25); do   # up to 5 s for the clock to move
    convert "$(screenshot)" -crop "$clock" +repage "$work/clock-running.png"
    [ "$(differing_pixels "$work/clock-start.png" "$work/clock-running.png")" != "0" ] && break
    [ "$n" -lt 25 ] || fail "the clock did not count down"
    sleep 0.2
done

# The end: seven bell sounds played, "Continue" shown.
for _ in $(seq 200); do
    [ "$(grep -c "'new' on sink-input" "$work/streams")" -ge 7 ] && break
    sleep 0.1
done
ended=$(date +%s.%N)
bells=$(grep -c "'new' on sink-input" "$work/streams" || true)
[ "$bells" -eq 7 ] || fail "$bells bell sounds reached the sound server, not 7"
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
echo "ok: a full game on Wayland"
