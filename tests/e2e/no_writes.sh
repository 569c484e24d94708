#!/bin/sh
# SPDX-License-Identifier: MIT
# The program writes no file and leaves nothing behind. Plays a full game of
# the real program under strace, on an Xvfb of its own, with no D-Bus session
# bus (and the D-Bus library's autolaunch helper installed, as on most
# desktops), no sound device, and a home and XDG folders of its own, empty
# and writable. Fails on any file the program (or a process it starts)
# opens for writing, creates, renames or removes, on anything found in those
# folders afterwards, and on any process of the program's still running
# after it ends. It needs no sandbox, so it runs alike in any root: a plain
# chroot, an overlay or a container.
#   no_writes.sh ZINDLE BELLWATCH
set -eu
zindle=$1
bellwatch=$2
. "$(dirname "$0")/../common.sh"
command -v dbus-launch >/dev/null || fail "dbus-launch (dbus-x11) is not installed: tools/deps.sh test installs it"

# A desktop session provides a runtime folder; the home and the XDG
# folders are the game's alone.
mkdir -m 700 "$work/runtime" "$work/home"
mkdir -p "$work/home/.config" "$work/home/.cache" "$work/home/.local/share" "$work/home/.local/state"
start_xvfb
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_CACHE_HOME="$work/home/.cache" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_STATE_HOME="$work/home/.local/state"
unset DBUS_SESSION_BUS_ADDRESS AUDIODEV || true

strace -f -qq -o "$work/trace" -e trace=%file,%desc,memfd_create "$zindle" &
track $!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zindle$' | head -1) ||
    fail "no window appeared"

"$bellwatch" 7 >"$work/bells" &
bells=$!
track $bells
for _ in $(seq 100); do grep -q ready "$work/bells" 2>/dev/null && break; sleep 0.05; done
xdotool windowfocus --sync "$window"
xdotool type --delay 20 "xstis"
timeout 25 sh -c "while kill -0 $bells 2>/dev/null; do sleep 0.1; done" ||
    fail "the game did not end with seven bells"
[ "$(grep -c '^[0-9]' "$work/bells")" -eq 7 ] || fail "not seven bells"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 308)) $((Y + 436)) click 1
xdotool type --delay 20 "s"
sleep 0.5
game=$(xdotool getwindowpid "$window")
kill "$game"
timeout 10 sh -c "while kill -0 $game 2>/dev/null; do sleep 0.05; done" || fail "the program did not end"

# Every process traced was the program or one it started; none may outlive it.
started=$(grep -E '^[0-9]+ +execve\(' "$work/trace" | sed 1d || true)
[ -z "$started" ] || echo "programs started: $started" >&2
left=""
for pid in $(awk '{print $1}' "$work/trace" | sort -u); do
    [ "$pid" = "$game" ] && continue
    if [ -d "/proc/$pid" ]; then
        left="$left $pid($(cat "/proc/$pid/comm" 2>/dev/null))"
    fi
done
[ -z "$left" ] || fail "processes left running after the program ended:$left"

# Calls that write to the file system and succeeded. Memory files and
# /dev/null are no files; the X connection is a socket.
grep -E 'open(at)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|creat\(|mkdir(at)?\(|rename(at2?)?\(|unlink(at)?\(|rmdir\(|truncate\(|symlink(at)?\(|[^a-z]link(at)?\(|chmod|chown|utime' \
    "$work/trace" | grep -v -E '= -1 |"/dev/null"|<unfinished|^[0-9]+ +---' >"$work/writes" || true
# Calls strace splits in two are judged by their resumed half.
grep -E 'open(at)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC).*<unfinished' "$work/trace" |
    grep -v '"/dev/null"' >>"$work/writes" || true
if [ -s "$work/writes" ]; then
    cat "$work/writes" >&2
    fail "the program wrote to the file system"
fi
left=$(find "$work/home" "$work/runtime" -mindepth 1 ! -path "$work/home/.config" ! -path "$work/home/.cache" \
    ! -path "$work/home/.local" ! -path "$work/home/.local/share" ! -path "$work/home/.local/state")
[ -z "$left" ] || fail "the program left files in its home or runtime folder: $left"
echo "ok: a full game and a restart, $(wc -l <"$work/trace") calls traced, no file written"
