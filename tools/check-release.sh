#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the README's two commands in a clean root of one Debian release, as a
# new player would on a fresh machine: ./play.sh first, in a root where
# nothing else has been installed, which must build the game and open its
# window on an X server; then ./check.sh, which must pass. It runs as
# ZINDLE_CHECK=release: every test of the ordinary build but the package's
# reproducibility, and the sanitizer build's in-process tests (the game, the
# Qt binding offscreen, the bells), which hold that release's compiler and
# Qt to the sanitizers. The reproducibility and the whole program under X
# and Wayland run sanitized where CI runs ./check.sh itself.
#   tools/check-release.sh SUITE      (bookworm or 12, trixie or 13, sid or unstable)
# Needs root. The clean root is made with mmdebstrap from Debian's archive
# and kept, with the packages downloaded into it, in
# $ZINDLE_RELEASE_CACHE (/var/cache/zindle-release), so that a rerun is
# quick; it is made anew once it is a week old. Every run works on a
# throw-away layer over the clean root, in a mount namespace of its own, so
# nothing a run installs stays and every mount ends with the run.
# The root is a plain folder, not a mount point, as a packager's chroot is.
# Only committed files go into it, as a fresh clone has them.
# Logs and a screenshot of the window go to release-check/SUITE/.
# Exit status: 0 passed; 77 the release's archive was asked for the
# packages the game or its tests need and refused them (apt's own words:
# unable to locate, no installation candidate, held broken packages), as
# happens on unstable in the middle of a transition; 1 any other failure,
# whatever the failing command's own status.
set -eu
# Any failure but the archive's refusal is a failure of the check.
trap 'status=$?; [ "$status" -eq 0 ] || [ "$status" -eq 77 ] || exit 1' EXIT

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

# Inside the run's own namespaces this script is the first process of a
# process namespace other than that of the /proc it sees.
inside() { [ "$$" -eq 1 ] && [ "$(readlink /proc/self/ns/pid)" != "$(readlink /proc/1/ns/pid)" ]; }

if ! inside; then
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
    flock -w 7200 9 || { say "FAILED: another release check of $suite held the lock for two hours"; exit 1; }
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
    if [ -n "$(git -C "$project" status --porcelain --untracked-files=normal)" ]; then
        say "warning: the work tree has uncommitted changes; the check runs the last commit"
    fi
    # A mount namespace and a process namespace of the run's own: its
    # mounts and every process it started end with it.
    exec unshare --mount --pid --fork --propagation private sh "$0" "$@"
fi

# The run's copy of the clean root, in memory: a plain folder, not a mount
# point, as in a packager's chroot.
run=$cache/run
mkdir -p "$run"
mount -t tmpfs -o mode=755 tmpfs "$run"
mkdir "$run/root"
cp -a "$cache/root/." "$run/root/"
root=$run/root
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t tmpfs -o mode=755 tmpfs "$root/run"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The project as a fresh clone has it: the last commit.
mkdir "$root/root/zindle"
git -C "$project" archive --format=tar HEAD | tar -x -C "$root/root/zindle"

# The archive, asked for packages, refused them: apt's own words for it.
# Said plainly, with exit status 77; any other failure is the project's.
refused_by_archive() {   # LOG WHAT
    grep -Eq '^E: (Unable to locate package |Package .* has no installation candidate|Unable to correct problems, you have held broken packages)' "$1" ||
        return 0
    say "SKIPPED: $suite's archive refused the $2 packages today:"
    grep -E '^E: |depends on|but it is not|has no installation' "$1" | head -20
    exit 77
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
# The logs' folder stays in reach under the run's own /tmp, wherever the
# project lies.
logs=$out
mkdir "$run/out"
mount --bind "$out" "$run/out"
out=$run/out
mount -t tmpfs -o mode=1777 tmpfs /tmp
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>/tmp/display >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s /tmp/display ] && break; sleep 0.1; done
[ -s /tmp/display ] || { say "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat /tmp/display)"
started=$(date +%s)
say "./play.sh"
in_root "timeout 1800 ./play.sh" >"$out/play.log" 2>&1 &
play=$!
window=""
while kill -0 "$play" 2>/dev/null && [ $(($(date +%s) - started)) -lt 1800 ]; do
    window=$(timeout 10 xdotool search --onlyvisible --name '^Zindle$' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 1
done
if [ -z "$window" ]; then
    # Whether the archive refused the build packages: asked again, apt
    # says so again.
    if ! in_root "timeout 1200 sh tools/deps.sh" >"$out/deps-build.log" 2>&1; then
        refused_by_archive "$out/deps-build.log" build
    fi
    tail -30 "$out/play.log"
    say "FAILED: ./play.sh opened no window (log: $logs/play.log)"
    exit 1
fi
sleep 1
timeout 30 import -window root "$out/window.png" 2>/dev/null || true
say "./play.sh opened the window in $(($(date +%s) - started)) s; screenshot: $logs/window.png"
# The game, found by its window: this namespace's /proc is the host's, where
# a name would find other programs' games too.
kill "$(timeout 10 xdotool getwindowpid "$window")" "$play" 2>/dev/null || true
wait "$play" 2>/dev/null || true
unset DISPLAY

# The test packages, installed as ./check.sh installs them, to tell an
# archive that cannot install them apart from a fault of the project's.
started=$(date +%s)
if ! in_root "timeout 1200 sh tools/deps.sh test" >"$out/deps.log" 2>&1; then
    refused_by_archive "$out/deps.log" test
    tail -30 "$out/deps.log"
    say "FAILED: the test packages did not install (log: $logs/deps.log)"
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
if ! in_root "ZINDLE_CHECK=release timeout 3600 ./check.sh" >"$out/check.log" 2>&1; then
    keep_pictures
    grep -E 'tests passed|\(Failed\)|\(Timeout\)|\(SEGFAULT\)|\(Subprocess aborted\)|FAIL|error:|warning:' \
        "$out/check.log" | head -60
    say "FAILED: ./check.sh (log: $logs/check.log)"
    exit 1
fi
grep 'tests passed' "$out/check.log" || true
say "passed: ./play.sh and ./check.sh ($(($(date +%s) - started)) s for the tests)"
