#!/bin/sh
# SPDX-License-Identifier: MIT
# The window's shapes on whole device pixels natively on Wayland: under sway
# (headless, pixman) with its output at 1, 1.25, 1.5, 1.75, 2 and 3, the Qt
# tests' window is shown with QT_QPA_PLATFORM=wayland, drawn at the output's
# scale (not at the next whole one and shrunk), and with its captions taken
# away it is pixel for pixel what its layout draws. As root, everything runs
# as the user nobody, since sway refuses root.
#   shapes.sh QT_TESTS
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"

chmod 755 "$work"
mkdir -m 700 "$work/run" "$work/home"
cp "$1" "$work/qt_tests"
chmod 755 "$work/qt_tests"
as_user=""
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$work/run" "$work/home"
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
wayland=""
served() {
    exec $as_user env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        WAYLAND_DISPLAY="$wayland" "$@"
}
session() { (served "$@"); }

cat >"$work/sway.conf" <<'CONF'
xwayland disable
output HEADLESS-1 resolution 2560x1600
default_border none
default_floating_border none
for_window [app_id=".*"] floating enable
CONF
chmod 644 "$work/sway.conf"
served WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
track $!
for _ in $(seq 100); do
    wayland=$(cd "$work/run" && ls wayland-? 2>/dev/null | head -1) || true
    [ -n "$wayland" ] && break
    sleep 0.05
done
[ -n "$wayland" ] || fail "sway did not start: $(tail -5 "$work/sway.log")"
sway_ipc=$(ls "$work"/run/sway-ipc.*.sock)

for scale in 1 1.25 1.5 1.75 2 3; do
    session SWAYSOCK="$sway_ipc" swaymsg output HEADLESS-1 scale "$scale" >/dev/null
    log="$work/scale-$scale.log"
    session QT_QPA_PLATFORM=wayland ZINDLE_OUTPUT_SCALE="$scale" "$work/qt_tests" \
        --gtest_filter='WindowShapes.*' >"$log" 2>&1 || fail "at $scale: $(grep -A3 Failure "$log" | head -8)"
    if grep -q '^\[  SKIPPED \] 1 test' "$log"; then
        echo "at $scale: $(grep -A1 'Skipped' "$log" | tail -1)"
    else
        grep -q '^\[  PASSED  \] 1 test' "$log" || fail "at $scale no test ran: $(tail -3 "$log")"
        echo "ok: at $scale the shapes lie on whole device pixels"
    fi
done
