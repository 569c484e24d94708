# SPDX-License-Identifier: MIT
# Shared by the test scripts (sourced): a work folder removed on exit, the
# processes handed to track() ended on exit (killed if they linger),
# fail(), and start_xvfb, which starts an Xvfb of the script's own on a
# free display and exports DISPLAY; differing_pixels.
work=$(mktemp -d)
tracked=""
track() { tracked="$tracked $1"; }
# Whether a process runs (and has not just ended, unreaped).
running() { [ -r "/proc/$1/status" ] && ! grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null; }
cleanup() {
    for pid in $tracked; do kill "$pid" 2>/dev/null || true; done
    # A server still running 3 s after SIGTERM (mutter, at times, with a
    # remote desktop session open) is killed.
    for _ in $(seq 30); do
        alive=""
        for pid in $tracked; do running "$pid" && alive="$alive $pid"; done
        [ -z "$alive" ] && break
        sleep 0.1
    done
    for pid in $alive; do kill -9 "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    track $!
    for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
}
# How many pixels two pictures differ in, as a whole number: ImageMagick 7
# prints the count with its share beside it ("14 (4.9e-05)").
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{print $1; exit}'; }
