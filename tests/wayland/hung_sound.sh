#!/bin/sh
# SPDX-License-Identifier: MIT
# A sound server that hangs never holds the game: natively on Wayland (sway,
# headless), the end of a game comes on time and Space starts the next one
# while the bells' server does not answer. Three servers:
#  - PipeWire's PulseAudio front, healthy for a first game (its seven bells
#    counted there), then stopped (SIGSTOP) in the middle of the second;
#  - a PulseAudio server stopped before the game starts;
#  - a socket that takes the connection and never answers.
# "On time" is Continue on the screen within 16.5 s of the first hit.
#   hung_sound.sh ZINDLE PLACES_SH
set -eu
zindle=$1
eval "$("$2")"   # the window's size and the spots looked at
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
. "$here/session.sh"
. "$here/sway.sh"
runnable_game "$zindle"
out="$work/home"
start_bus
start_pipewire
start_desktop

served pactl subscribe >"$work/streams" 2>&1 &
track $!
bells() { grep -c "'new' on sink-input" "$work/streams" || true; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# first_hit: S starts a game; its time in $hit.
first_hit() {
    typekeys s
    hit=$(now_ms)
    waitfor "the first hit did not start a game" "$frame_at_2"
}
# ends_on_time [SERVER_PID]: with the server stopped 8 s into the game when
# a pid is given, Continue stands within 16.5 s of the first hit, and Space
# continues.
ends_on_time() {
    if [ -n "${1:-}" ]; then
        sleep "$(awk "BEGIN { print ($hit + 8000 - $(now_ms)) / 1000 }")"
        kill -STOP "$1"
    fi
    waitfor "Continue was not on the screen 16.5 s after the first hit" "$continue" $((hit + 16500 - $(now_ms)))
    echo "Continue stood $(($(now_ms) - hit)) ms after the first hit (seen)"
    typekeys " "
    waitfor "Space did not continue" "$yellow_tile"
}

# start_game PULSE_SERVER: the game natively on sway, found and painted.
start_game() {
    served PULSE_SERVER="$1" QT_QPA_PLATFORM=wayland "$work/zindle" >"$work/game.log" 2>&1 &
    game=$!
    track $game
    place=""
    for _ in $(seq 100); do
        place=$(compositor_place) && [ -n "$place" ] && break
        sleep 0.1
    done
    [ -n "$place" ] || fail "sway has no window of the game: $(tail -3 "$work/game.log")"
    set -- $place
    left=$1 top=$2
    waitfor "the game did not paint" "$yellow_tile"
}

echo "PipeWire's PulseAudio front, stopped in the middle of the second game"
start_game "unix:$work/run/pulse/native"
first_hit
ends_on_time
for _ in $(seq 100); do [ "$(bells)" -ge 7 ] && break; sleep 0.1; done
[ "$(bells)" -eq 7 ] || fail "the first game gave $(bells) bell streams, not 7"
first_hit
ends_on_time "$pulse_front"
first_hit
kill "$game"
kill -CONT "$pulse_front"

echo "PulseAudio stopped before the game starts"
start_pulseaudio
kill -STOP "$pa"
start_game "unix:$work/run/pa"
first_hit
ends_on_time
first_hit
kill "$game"
kill -CONT "$pa"

echo "a socket that takes the connection and never answers"
start_deaf_socket
start_game "unix:$work/run/deaf"
first_hit
ends_on_time
first_hit
kill "$game"
echo "ok: the game never waited for its sound server"
