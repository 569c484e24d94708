#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the README's two commands in a clean root of one Debian release, as a
# new player would on a fresh machine: ./play.sh first, in a root where
# nothing else has been installed, which must build the game and open its
# window on an X server; then ./check.sh, which must pass.
#   tools/check-release.sh SUITE      (bookworm or 12, trixie or 13, sid or unstable)
# Needs root. The clean root is made with mmdebstrap from Debian's archive
# and kept, with the packages downloaded into it, in
# $ZINDLE_RELEASE_CACHE (/var/cache/zindle-release), so that a rerun is
# quick; it is made anew once it is a week old. Every run works on a
# throw-away layer over the clean root, in a mount namespace of its own, so
# nothing a run installs stays and every mount ends with the run.
# Logs and a screenshot of the window go to release-check/SUITE/.
# Exit status: 0 passed, 1 failed, 2 the release's archive could not
# install what the tests need (said plainly; unstable only, where the
# archive is sometimes in the middle of a transition).
set -eu

case "${1:-}" in
bookworm | 12) suite=bookworm ;;
trixie | 13) suite=trixie ;;
sid | unstable) suite=sid ;;
*) echo "usage: $0 bookworm|trixie|sid" >&2; exit 64 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (mmdebstrap, mounts, chroot)" >&2; exit 64; }
project=$(cd "$(dirname "$0")/.." && pwd)
cache="${ZINDLE_RELEASE_CACHE:-/var/cache/zindle-release}/$suite"
out="$project/release-check/$suite"
say() { echo "release-check $suite: $*"; }

if [ -z "${ZINDLE_RELEASE_INSIDE:-}" ]; then
    # The host's tools: mmdebstrap for the root; Xvfb, xdotool and
    # ImageMagick to see the window that ./play.sh opens.
    for tool in mmdebstrap:mmdebstrap Xvfb:xvfb xdotool:xdotool import:imagemagick; do
        command -v "${tool%%:*}" >/dev/null || need="${need:-} ${tool#*:}"
    done
    if [ -n "${need:-}" ]; then
        apt-get update -q >/dev/null
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $need >/dev/null
    fi
    mkdir -p "$cache/archives" "$out"
    exec 9>"$cache/lock"
    flock 9
    if [ ! -f "$cache/root.made" ] || [ -n "$(find "$cache/root.made" -mtime +7)" ]; then
        say "making a clean root with mmdebstrap"
        rm -rf "$cache/root.new"
        # Unstable's Release file may be past its Valid-Until date.
        mmdebstrap --variant=minbase --mode=root --quiet \
            --aptopt='Acquire::Check-Valid-Until "false"' \
            "$suite" "$cache/root.new" </dev/null >"$out/mmdebstrap.log" 2>&1 ||
            { say "FAILED: mmdebstrap could not make the root"; tail -20 "$out/mmdebstrap.log"; exit 1; }
        rm -rf "$cache/root" "$cache/root.made"
        mv "$cache/root.new" "$cache/root"
        touch "$cache/root.made"
    fi
    # A mount namespace and a process namespace of the run's own: its
    # mounts and every process it started end with it.
    export ZINDLE_RELEASE_INSIDE=1
    exec unshare --mount --pid --fork --propagation private sh "$0" "$@"
fi

# The run's layer over the clean root, in memory.
run=$cache/run
mkdir -p "$run"
mount -t tmpfs -o mode=755 tmpfs "$run"
mkdir "$run/upper" "$run/work" "$run/root"
mount -t overlay overlay -o "lowerdir=$cache/root,upperdir=$run/upper,workdir=$run/work" "$run/root"
root=$run/root
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t tmpfs -o mode=755 tmpfs "$root/run"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The project as a fresh clone has it: the files git tracks, as they stand.
mkdir "$root/root/zindle"
git -C "$project" ls-files -z --cached --others --exclude-standard |
    (cd "$project" && tar --null -T - --ignore-failed-read -cf - 2>/dev/null) |
    tar -x -C "$root/root/zindle"

# On sid an archive in the middle of a transition may fail to install what
# is asked for: said plainly, with exit status 2.
archive_cannot_install() {   # LOG WHAT
    say "SKIPPED: sid's archive cannot install the $2 packages today:"
    grep '^E: \|depends on\|but it is not\|has no installation' "$1" | head -20
    exit 2
}

# A command in the root, as root at a login: nothing of this environment.
in_root() {
    chroot "$root" env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/sh TERM=dumb \
        LANG=C.UTF-8 PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        ${DISPLAY:+DISPLAY=$DISPLAY} sh -c "cd /root/zindle && $1"
}

# ./play.sh on an X server of this run's own: the window must open. The
# server's lock and socket files lie in a /tmp of the run's own; programs in
# the root reach it through its abstract socket.
mount -t tmpfs -o mode=1777 tmpfs /tmp
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>/tmp/display >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s /tmp/display ] && break; sleep 0.1; done
export DISPLAY=":$(cat /tmp/display)"
started=$(date +%s)
say "./play.sh"
in_root ./play.sh >"$out/play.log" 2>&1 &
play=$!
window=""
while kill -0 "$play" 2>/dev/null; do
    window=$(xdotool search --onlyvisible --name '^Zindle$' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 1
done
if [ -z "$window" ]; then
    # Whether the archive could not install the build packages: asked
    # again, apt fails again.
    if [ "$suite" = sid ] && ! in_root "sh tools/deps.sh" >"$out/deps-build.log" 2>&1; then
        archive_cannot_install "$out/deps-build.log" build
    fi
    tail -30 "$out/play.log"
    say "FAILED: ./play.sh opened no window (log: $out/play.log)"
    exit 1
fi
sleep 1
import -window root "$out/window.png" 2>/dev/null || true
say "./play.sh opened the window in $(($(date +%s) - started)) s; screenshot: $out/window.png"
# The game, found by its window: this namespace's /proc is the host's, where
# a name would find other programs' games too.
kill "$(xdotool getwindowpid "$window")" "$play" 2>/dev/null || true
wait "$play" 2>/dev/null || true
unset DISPLAY

# The test packages, installed as ./check.sh installs them, to tell an
# archive that cannot install them apart from a fault of the project's.
started=$(date +%s)
if ! in_root "sh tools/deps.sh test" >"$out/deps.log" 2>&1; then
    [ "$suite" != sid ] || archive_cannot_install "$out/deps.log" test
    tail -30 "$out/deps.log"
    say "FAILED: the test packages did not install (log: $out/deps.log)"
    exit 1
fi
say "./check.sh"
# The pictures that failed tests write (the window as it was and a map of
# the differing pixels) come back with the logs.
keep_pictures() {
    rm -rf "$out/pictures"
    mkdir -p "$out/pictures"
    find "$root/root/zindle/build/tests" "$root/root/zindle/build-sanitize/tests" -maxdepth 1 \
        -name '*.png' -exec cp {} "$out/pictures/" \; 2>/dev/null || true
}
if ! in_root ./check.sh >"$out/check.log" 2>&1; then
    keep_pictures
    grep -E 'tests passed|\(Failed\)|\(Timeout\)|\(SEGFAULT\)|\(Subprocess aborted\)|FAIL|error:|warning:' \
        "$out/check.log" | head -60
    say "FAILED: ./check.sh (log: $out/check.log)"
    exit 1
fi
grep 'tests passed' "$out/check.log" || true
say "passed: ./play.sh and ./check.sh ($(($(date +%s) - started)) s for the tests)"
