#!/bin/sh
# SPDX-License-Identifier: MIT
# The bell where the platform has none (Qt's offscreen platform stands in
# for Wayland here): the sound theme's bell reaches a PulseAudio server on a
# null sink, recorded from the sink's monitor; with no sound server the seven
# requests still return.
#   bell_sound.sh BEEP_CHECK
set -eu
beep_check=$1
. "$(dirname "$0")/../common.sh"

export QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/home" "$work/runtime"
unset DISPLAY WAYLAND_DISPLAY || true

# No sound server at all.
PULSE_SERVER="unix:$work/nothing-here" timeout 20 "$beep_check" 0 >"$work/silent" 2>&1 ||
    fail "the beeps without a sound server did not return: $(cat "$work/silent")"
grep -q "sound theme" "$work/silent" || fail "the offscreen platform used another bell"
echo "without a sound server: $(grep took "$work/silent")"

# A PulseAudio server with a null sink, its monitor recorded.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes --log-target=stderr \
    --load="module-null-sink sink_name=zindle_bell" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" \
    >"$work/pulse.log" 2>&1 &
track $!
export PULSE_SERVER="unix:$work/pulse"
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || fail "PulseAudio did not start: $(tail -5 "$work/pulse.log")"
parec --latency-msec=10 -d zindle_bell.monitor --file-format=wav "$work/bell.wav" &
recorder=$!
track $recorder
sleep 0.5
timeout 20 "$beep_check" 2 >"$work/loud" 2>&1 || fail "beep_check failed: $(cat "$work/loud")"
kill "$recorder"
wait "$recorder" 2>/dev/null || true
peak=$(sox "$work/bell.wav" -n stat 2>&1 | awk '/Maximum amplitude/ { print $3 }')
echo "with PulseAudio: $(grep took "$work/loud"); recorded peak amplitude $peak"
awk -v p="$peak" 'BEGIN { exit !(p > 0.05) }' || fail "no bell reached the sound server"
