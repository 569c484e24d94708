# SPDX-License-Identifier: MIT
# GNOME's compositor for play.sh (sourced after session.sh): mutter,
# headless with one virtual monitor, driven as GNOME's
# remote desktop drives it: keys through org.gnome.Mutter.RemoteDesktop,
# screenshots through org.gnome.Mutter.ScreenCast and PipeWire, both by
# mutter_remote.py, which takes its commands through two pipes. At a
# fractional $scale the monitor is 1920 x 1080, where GNOME offers 1.25 and
# 1.5 exactly, with mutter's scale-monitor-framebuffer feature on, as
# GNOME's settings turn it on.
desktop_environment="XDG_CURRENT_DESKTOP=GNOME"
start_desktop() {
    wayland=zindle-gnome
    monitor=1024x768 settings="" remote_scale=""
    if [ "$scale" != 1 ]; then
        monitor=1920x1080 settings="GSETTINGS_BACKEND=keyfile" remote_scale="scale $scale"
        mkdir -p "$work/home/.config/glib-2.0/settings"
        printf "[org/gnome/mutter]\nexperimental-features=['scale-monitor-framebuffer']\n" \
            >"$work/home/.config/glib-2.0/settings/keyfile"
        [ -z "$as_user" ] || chown -R nobody:nogroup "$work/home/.config"
    fi
    # Without Xwayland where mutter still has the option.
    no_x11=""
    ! mutter --help 2>&1 | grep -q -- --no-x11 || no_x11=--no-x11
    served $desktop_environment $settings mutter --headless --wayland $no_x11 --virtual-monitor "$monitor" \
        --wayland-display "$wayland" >"$work/mutter.log" 2>&1 &
    track $!
    waits "mutter did not start" session sh -c \
        'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
         org.freedesktop.DBus.NameHasOwner string:org.gnome.Mutter.RemoteDesktop | grep -q true'
    runnable "$here/mutter_remote.py"
    mkfifo -m 666 "$work/to-mutter" "$work/from-mutter"
    # shellcheck disable=SC2086
    served /usr/bin/python3 "$work/mutter_remote.py" $remote_scale <"$work/to-mutter" >"$work/from-mutter" \
        2>"$work/remote.log" &
    track $!
    exec 3>"$work/to-mutter" 4<"$work/from-mutter"
    remote_says ready
}
# remote_says ANSWER: the remote's next line must be ANSWER.
remote_says() {
    read -r answer <&4 || answer="nothing"
    [ "$answer" = "$1" ] || fail "mutter's remote desktop said $answer: $(tail -3 "$work/remote.log")"
}
typekeys() {
    echo "key$(keycodes "$@")" >&3
    remote_says ok
}
grab() {
    echo "shot $1" >&3
    remote_says ok
}
