# SPDX-License-Identifier: MIT
# Shared by the Wayland tests (sourced after common.sh): a session of the
# test's own, run as the user nobody when the tests run as root, since sway
# and GNOME's and KDE's compositors refuse root or want a user's session.
# "served" and "session" run a command in that session; start_bus gives it
# a D-Bus session bus, start_pipewire a PipeWire sound server with a
# PulseAudio front (its pid in $pulse_front) and a null sink, zindle_bell,
# that hears everything.
chmod 755 "$work"
mkdir -m 700 "$work/run" "$work/home"
as_user=""
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$work/run" "$work/home"
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
wayland=""
# A command (after any NAME=VALUE) as the test's user, in the test's own
# session: nothing of the caller's environment but the path. "served ARGS &"
# leaves the command's own pid in $!, so that the clean-up ends the server
# itself and not a shell around it.
served() {
    exec $as_user env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/run/bus" WAYLAND_DISPLAY="$wayland" \
        PULSE_SERVER="unix:$work/run/pulse/native" "$@"
}
session() { (served "$@"); }
# A copy of a program that the test's user can run; runnable_game copies
# the game with its bell's helper beside it, as the build has them (a build
# from before the helper has none).
runnable() {
    cp "$1" "$work/$(basename "$1")"
    chmod 755 "$work/$(basename "$1")"
}
runnable_game() {
    runnable "$1"
    [ ! -e "$(dirname "$1")/zindle-bell" ] || runnable "$(dirname "$1")/zindle-bell"
}
# waits DESCRIPTION COMMAND...: up to 10 s for the command to succeed; on
# failure the ends of the session's logs are shown.
waits() {
    what=$1
    shift
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    tail -n 5 "$work"/*.log >&2 || true
    fail "$what"
}

start_bus() {
    served dbus-daemon --session --address="unix:path=$work/run/bus" --nofork --nopidfile \
        >"$work/bus.log" 2>&1 &
    track $!
    waits "no session bus" test -S "$work/run/bus"
}

start_pipewire() {
    served pipewire >"$work/pipewire.log" 2>&1 &
    track $!
    waits "PipeWire did not start" test -S "$work/run/pipewire-0"
    for server in wireplumber pipewire-pulse; do
        served "$server" >"$work/$server.log" 2>&1 &
        track $!
        [ "$server" != pipewire-pulse ] || pulse_front=$!
    done
    # The null sink only once the session manager has PipeWire's adapters.
    waits "no null sink on PipeWire" session pactl load-module module-null-sink sink_name=zindle_bell
    waits "the null sink is not the default" session pactl set-default-sink zindle_bell
}

# start_pulseaudio: a PulseAudio server of its own at unix:$work/run/pa
# (its pid in $pa), with a null sink, zindle_bell.
start_pulseaudio() {
    served pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes \
        --load="module-null-sink sink_name=zindle_bell" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$work/run/pa" >"$work/pa.log" 2>&1 &
    pa=$!
    track $pa
    waits "PulseAudio did not start" session PULSE_SERVER="unix:$work/run/pa" pactl info
}
# start_deaf_socket: at unix:$work/run/deaf, a "sound server" that takes
# every connection and never answers.
start_deaf_socket() {
    served /usr/bin/python3 -c '
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen(16)
taken = []
while True:
    taken.append(s.accept()[0])
' "$work/run/deaf" &
    track $!
    waits "no deaf socket" test -S "$work/run/deaf"
}

# The evdev codes of letters and the space; keycodes KEY... prints them
# in turn.
keycode() {
    case "$1" in
    " ") echo 57 ;;
    s) echo 31 ;;
    t) echo 20 ;;
    i) echo 23 ;;
    *) fail "no key code for '$1'" ;;
    esac
}
keycodes() { for key in "$@"; do printf ' %s' "$(keycode "$key")"; done; }

# A screenshot of the window at $left, $top, in a file of its own (the
# desktop's grab takes the screen); prints the file's name.
screenshot() {
    name=$(date +%s%N)
    grab "$out/screen$name.png"
    convert "$out/screen$name.png" -crop "$size+$left+$top" +repage "$work/window$name.png"
    echo "$work/window$name.png"
}
# The colour of a pixel of a window screenshot, as RRGGBB.
pixel() { convert "$1" -format '%[hex:p{'"$2,$3"'}]' info: | cut -c1-6; }
# waitfor DESCRIPTION "X Y RRGGBB" [MS]: up to 5 s (or MS milliseconds)
# for that pixel of the window.
waitfor() {
    until=$(($(date +%s%N) + ${3:-5000} * 1000000))
    set -- "$1" $2
    while [ "$(date +%s%N)" -lt "$until" ]; do
        [ "$(pixel "$(screenshot)" "$2" "$3")" = "$4" ] && return 0
        sleep 0.2
    done
    fail "$1"
}
