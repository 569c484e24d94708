#!/bin/sh
# SPDX-License-Identifier: MIT
# The bell where the platform has none (Qt's offscreen platform stands in
# for Wayland here), through the game's own beep:
#  - with no sound server, and with one that takes the connection and never
#    answers, the requests return and the program ends at once;
#  - on PulseAudio and on PipeWire's PulseAudio front, three games' ends of
#    seven bells each give exactly seven bell streams apiece, heard on a
#    null sink's monitor;
#  - bells asked for while PulseAudio is stopped are never heard once it
#    runs again.
#   bell_sound.sh BEEP_CHECK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
. "$here/../wayland/session.sh"
runnable_game "$1"   # beep_check, beside the bell's helper as the game is
beep_check="$work/$(basename "$1")"
offscreen="QT_QPA_PLATFORM=offscreen"

# No sound server at all, then one that never answers: the program, which
# asks and then stays for no time, ends within 5 s.
start_deaf_socket
for server in nothing-here deaf; do
    session $offscreen PULSE_SERVER="unix:$work/run/$server" timeout 5 "$beep_check" 0 >"$work/$server" 2>&1 ||
        fail "the beeps with the server $server did not return at once: $(cat "$work/$server")"
    grep -q "sound theme" "$work/$server" || fail "the offscreen platform used another bell"
    echo "server $server: $(grep took "$work/$server")"
done

# bursts PULSE_SERVER NAME: three games' ends; each gives exactly seven
# bell streams, and the bells are heard.
bursts() {
    served PULSE_SERVER="$1" pactl subscribe >"$work/$2.streams" 2>&1 &
    subscriber=$!
    track $subscriber
    served PULSE_SERVER="$1" parec --latency-msec=10 --raw --format=s16le --channels=1 --rate=8000 \
        -d zindle_bell.monitor >"$work/$2.raw" &
    recorder=$!
    track $recorder
    sleep 0.5
    session $offscreen PULSE_SERVER="$1" timeout 20 "$beep_check" 1 3 >"$work/$2.log" 2>&1 ||
        fail "beep_check failed on $2: $(cat "$work/$2.log")"
    kill "$subscriber" "$recorder"
    wait "$subscriber" "$recorder" 2>/dev/null || true
    streams=$(grep -c "'new' on sink-input" "$work/$2.streams" || true)
    sounds=$(/usr/bin/python3 "$here/../wayland/count_sounds.py" 8000 <"$work/$2.raw")
    echo "$2: $streams bell streams; $sounds"
    [ "$streams" -eq 21 ] || fail "three ends of seven bells gave $streams bell streams on $2, not 21"
    [ "${sounds%% *}" -ge 3 ] || fail "the bells were not heard on $2: $sounds"
}

# PipeWire's PulseAudio front (PULSE_SERVER as the session has it).
start_bus
start_pipewire
bursts "unix:$work/run/pulse/native" pipewire-pulse

# PulseAudio, healthy, then stopped.
start_pulseaudio
bursts "unix:$work/run/pa" pulseaudio
served PULSE_SERVER="unix:$work/run/pa" parec --latency-msec=10 --raw --format=s16le --channels=1 \
    --rate=8000 -d zindle_bell.monitor >"$work/stopped.raw" &
recorder=$!
track $recorder
sleep 0.5
kill -STOP "$pa"
served $offscreen PULSE_SERVER="unix:$work/run/pa" "$beep_check" 4 >"$work/stopped.log" 2>&1 &
track $!
sleep 1.5
kill -CONT "$pa"
sleep 2
kill "$recorder"
wait "$recorder" 2>/dev/null || true
sounds=$(/usr/bin/python3 "$here/../wayland/count_sounds.py" 8000 <"$work/stopped.raw")
echo "bells asked for while PulseAudio was stopped, once it ran again: $sounds"
[ "${sounds%% *}" -eq 0 ] || fail "bells asked for while the server was stopped were heard later: $sounds"
