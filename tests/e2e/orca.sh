#!/bin/sh
# SPDX-License-Identifier: MIT
# The game played by ear through Orca, as a blind player has it: Orca with
# its default settings (or those of SETTINGS, a user-settings.conf) on an X
# server with a window manager, speaking through speech-dispatcher and
# espeak-ng into a sink that plays in real time; what was heard is read from
# speech-dispatcher's own log. Every server is this script's own: X, window
# manager, session and accessibility buses, PulseAudio, speech-dispatcher.
#   orca.sh ZINDLE [SETTINGS] -- PLAYER-ARGUMENTS   (see orca_player.py)
# ZINDLE_SPEECH_LOG=FILE keeps speech-dispatcher's log there.
set -eu
zindle=$1
shift
settings=""
[ "$1" = "--" ] || { settings=$1; shift; }
shift
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
# Orca refuses to start while another Orca of the same user runs.
! pgrep -x -u "$(id -u)" orca >/dev/null || fail "another Orca runs for this user; this test starts its own"
start_xvfb
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/run" PULSE_RUNTIME_PATH="$work/run/pulse"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/orca" "$XDG_RUNTIME_DIR" "$work/speech"
chmod 700 "$XDG_RUNTIME_DIR"
[ -z "$settings" ] || cp "$settings" "$XDG_DATA_HOME/orca/user-settings.conf"
# speech-dispatcher's settings as installed, logging all it does.
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/"
sed -i -e '/^#* *LogLevel /d' -e '/^#* *LogDir /d' "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
printf 'LogLevel 5\nLogDir "%s"\n' "$work/speech" >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
# Orca speaks in the language of its locale, and speech-dispatcher reads
# punctuation aloud by that language's rules: English, made here, as most
# players have it.
mkdir "$work/locale"
localedef -i en_US -f UTF-8 "$work/locale/en_US.UTF-8" || fail "localedef made no English locale"
openbox >/dev/null 2>&1 &
track $!

dbus-run-session -- sh -eu -c '
    # Every server started here ends with the session, and is waited for:
    # Orca refuses to start while another Orca runs. Orca 48 at times
    # outlives SIGTERM; what runs 3 s after it is killed.
    # ZINDLE_SPEECH_LOG: where to keep what speech-dispatcher logged.
    servers=""
    running() { [ -r "/proc/$1/status" ] && ! grep -q "^State:.*Z" "/proc/$1/status"; }
    stop() {
        kill $servers 2>/dev/null || true
        for _ in $(seq 30); do
            alive=""
            for pid in $servers; do running $pid && alive="$alive $pid"; done
            [ -z "$alive" ] && break
            sleep 0.1
        done
        [ -z "$alive" ] || kill -9 $alive 2>/dev/null || true
        wait 2>/dev/null || true
        [ -z "${ZINDLE_SPEECH_LOG:-}" ] || cp "$0/speech/speech-dispatcher.log" "$ZINDLE_SPEECH_LOG"
    }
    trap stop EXIT
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
    pulseaudio -n --daemonize=no --exit-idle-time=-1 -L module-native-protocol-unix \
        -L "module-null-sink sink_name=speech" >"$0/pulseaudio.log" 2>&1 &
    servers="$servers $!"
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink speech
    speech-dispatcher -s -t 0 >"$0/speech-dispatcher.out" 2>&1 &
    servers="$servers $!"
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done
    LOCPATH="$0/locale" LANG=en_US.UTF-8 orca >"$0/orca.out" 2>&1 &
    servers="$servers $!"
    "$1" &
    game=$!
    servers="$servers $game"
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Zindle\$" | head -1)
    xdotool windowfocus --sync "$window"
    shift
    /usr/bin/python3 "'$here'/orca_player.py" "$0/speech/speech-dispatcher.log" "$@" || {
        status=$?; tail -5 "$0/orca.out" >&2; exit $status; }
    kill -0 $game
' "$work" "$zindle" "$@"
