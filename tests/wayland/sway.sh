# SPDX-License-Identifier: MIT
# sway for the Wayland tests (sourced after session.sh): "start_sway WxH"
# starts it headless (the pixman renderer, no input devices) with one output
# of that size, on which every window floats in the middle without a
# border, and sets $sway_ipc; "start_sway WxH xwayland" also starts its X
# server and sets $x_display. The desktop's verbs for play.sh: typekeys
# types letters and spaces through wtype, grab takes a screenshot with grim,
# compositor_place tells where sway has the window, compositor_app_id
# under which app id.
start_sway() {
    xwayland=disable
    [ "${2:-}" != xwayland ] || xwayland=force
    cat >"$work/sway.conf" <<CONF
xwayland $xwayland
output HEADLESS-1 resolution $1
default_border none
default_floating_border none
for_window [app_id=".*"] floating enable
for_window [class=".*"] floating enable
exec echo "\$DISPLAY" >$work/run/x-display
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
    if [ "$xwayland" = force ]; then
        waits "sway's X server did not start" grep -q : "$work/run/x-display"
        x_display=$(cat "$work/run/x-display")
    fi
}
desktop_environment="XDG_CURRENT_DESKTOP=sway"
start_desktop() { start_sway 1024x768; }
# wtype's keys are lost while the compositor is still taking its new
# virtual keyboard: each call waits 300 ms before it types.
typekeys() { session wtype -s 300 "$@"; }
grab() { session grim "$1"; }
# Where sway has the window: "X Y WxH"; compositor_app_id, the app id
# the window gave sway.
sway_window() {
    session SWAYSOCK="$sway_ipc" swaymsg -t get_tree | /usr/bin/python3 "$here/window_rect.py" "${1:-Zindle}"
}
compositor_place() { sway_window "$@" | awk '{ print $1, $2, $3 "x" $4 }'; }
compositor_app_id() { sway_window | awk '{ print $5 }'; }
