# SPDX-License-Identifier: MIT
# Shared by the Wayland tests (sourced after common.sh): a session of the
# test's own, run as the user nobody when the tests run as root, since sway
# and GNOME's and KDE's compositors refuse root or want a user's session.
# "served" and "session" run a command in that session; start_bus gives it
# a D-Bus session bus, start_pipewire a PipeWire sound server with a
# PulseAudio front and a null sink, zindle_bell, that hears everything.
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
# A copy of a program that the test's user can run.
runnable() {
    cp "$1" "$work/$(basename "$1")"
    chmod 755 "$work/$(basename "$1")"
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
    done
    # The null sink only once the session manager has PipeWire's adapters.
    waits "no null sink on PipeWire" session pactl load-module module-null-sink sink_name=zindle_bell
    waits "the null sink is not the default" session pactl set-default-sink zindle_bell
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
