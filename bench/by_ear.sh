#!/bin/sh
# SPDX-License-Identifier: MIT
# How fast a player hears the letter due through Orca: for each pace (and
# with key echo on, as Orca starts, and off), one game typed at that pace
# with the letter due; after how many hits the next letter was heard whole
# (its sound reached its end before the next key cut it, read from a
# recording of the speech sink), and how long after the key its sound
# began. With another build of the game, that build is measured in the same
# rounds, side by side. Prints one Markdown table. About a minute a game.
#   bench/by_ear.sh ZINDLE [OTHER_ZINDLE [ROUNDS]]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
orca="$here/../tests/e2e/orca.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s\n' '{"general": {"enableKeyEcho": false}, "profiles": {"default": {"profile": ["Default", "default"]}},' \
    ' "pronunciations": {}, "keybindings": {}}' >"$work/no-echo.conf"
builds="$1${2:+ $2}"
for round in $(seq "${3:-1}"); do
    for setting in echo no-echo; do
        case "$setting" in echo) paces="0.3 0.7 0.15"; conf="" ;; *) paces="0.3 0.15"; conf="$work/no-echo.conf" ;; esac
        for pace in $paces; do
            for build in $builds; do
                line=$(sh "$orca" "$build" $conf -- pace "$pace" 2>/dev/null | grep '^{') || line='{}'
                echo "$build $setting $line" >>"$work/results"
            done
        done
    done
done
/usr/bin/python3 - "$work/results" "$1" <<'PY'
import json, statistics, sys
rows = {}
for line in open(sys.argv[1]):
    build, setting, figures = line.split(" ", 2)
    rows.setdefault((setting, json.loads(figures).get("pace"), build), []).append(json.loads(figures))
print("| key echo | pace | build | hits | letter heard whole | key to sound, median | 95th percentile |")
print("|---|---|---|---|---|---|---|")
for (setting, pace, build), runs in rows.items():
    hits = sum(r.get("hits", 0) for r in runs)
    whole = sum(r.get("heard_whole", 0) for r in runs)
    med = [r["median_ms"] for r in runs if r.get("median_ms") is not None]
    p95 = [r["p95_ms"] for r in runs if r.get("p95_ms") is not None]
    print("| %s | %s s | %s | %d | %d (%.0f %%) | %s | %s |" % (
        "on" if setting == "echo" else "off", pace, "this" if build == sys.argv[2] else "before", hits, whole,
        100.0 * whole / max(hits, 1), "%d ms" % statistics.median(med) if med else "–",
        "%d ms" % statistics.median(p95) if p95 else "–"))
PY
