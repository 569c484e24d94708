# SPDX-License-Identifier: MIT
# KDE's compositor for play.sh (sourced after session.sh): kwin_wayland
# with a virtual output, keys through its fake-input protocol (fake_keys),
# screenshots through ScreenShot2, which KWin offers only when it
# composites with OpenGL. KWin 6 on a machine without a GPU paints with
# QPainter and has no ScreenShot2: then can_grab is no and the game is
# followed by its bells.
desktop_environment="XDG_CURRENT_DESKTOP=KDE"
start_desktop() {
    wayland=zindle-kde
    # A copy without kwin_wayland's file capability, which a container's
    # bounding set may not hold (exec then fails).
    runnable /usr/bin/kwin_wayland
    runnable "$here/kwin_shot.py"
    runnable "$tools/fake_keys"
    served $desktop_environment KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
        "$work/kwin_wayland" --virtual --width 1024 --height 768 --socket "$wayland" \
        >"$work/kwin.log" 2>&1 &
    track $!
    waits "KWin did not start" test -S "$work/run/$wayland"
    waits "KWin is not on the bus" session dbus-send --session --print-reply \
        --dest=org.kde.KWin /KWin org.freedesktop.DBus.Peer.Ping
    # KWin offers ScreenShot2 shortly after it starts compositing with
    # OpenGL; a call to it before (or with QPainter) hangs.
    waits "KWin does not composite" session sh -c "dbus-send --session --print-reply --dest=org.kde.KWin \
        /Compositor org.freedesktop.DBus.Properties.Get string:org.kde.kwin.Compositing string:active | grep -q true"
    can_grab=no
    if session dbus-send --session --print-reply --dest=org.kde.KWin /Compositor \
        org.freedesktop.DBus.Properties.Get string:org.kde.kwin.Compositing string:compositingType | grep -q gl; then
        can_grab=yes
        waits "KWin composites with OpenGL but offers no ScreenShot2" session sh -c "timeout 2 dbus-send --session \
            --print-reply --dest=org.kde.KWin /org/kde/KWin/ScreenShot2 \
            org.freedesktop.DBus.Introspectable.Introspect | grep -q CaptureActiveScreen"
    fi
}
# shellcheck disable=SC2046
typekeys() { session "$work/fake_keys" $(keycodes "$@"); }
grab() {
    session /usr/bin/python3 "$work/kwin_shot.py" "$1.ppm"
    convert "$1.ppm" "$1"
}
