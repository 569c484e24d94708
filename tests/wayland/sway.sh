# SPDX-License-Identifier: MIT
# Shared by the Wayland tests (sourced after common.sh): a session of the
# test's own under sway (headless, the pixman renderer, no input devices),
# run as the user nobody when the tests run as root, since sway refuses
# root. "start_sway WxH" starts it with one output of that size, on which
# every window floats in the middle without a border; "served" and
# "session" run a command in that session.
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
    exec $as_user env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        WAYLAND_DISPLAY="$wayland" PULSE_SERVER="unix:$work/run/pulse-native" "$@"
}
session() { (served "$@"); }
# A copy of a program that the test's user can run.
runnable() {
    cp "$1" "$work/$(basename "$1")"
    chmod 755 "$work/$(basename "$1")"
}

start_sway() {
    cat >"$work/sway.conf" <<CONF
xwayland disable
output HEADLESS-1 resolution $1
default_border none
default_floating_border none
for_window [app_id=".*"] floating enable
CONF
    chmod 644 "$work/sway.conf"
    served WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/sway.conf" \
        >"$work/sway.log" 2>&1 &
    track $!
    for _ in $(seq 100); do
        wayland=$(cd "$work/run" && ls wayland-? 2>/dev/null | head -1) || true
        [ -n "$wayland" ] && break
        sleep 0.05
    done
    [ -n "$wayland" ] || fail "sway did not start: $(tail -5 "$work/sway.log")"
    sway_ipc=$(ls "$work"/run/sway-ipc.*.sock)
}
