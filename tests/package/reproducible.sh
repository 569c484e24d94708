#!/bin/sh
# SPDX-License-Identifier: MIT
# The same sources packaged twice give the same package, bit for bit: two
# copies at different paths, their files' times a minute apart, built with
# umask 022 and 002 under other locales and time zones. Where the packages
# differ, diffoscope says where.
#   reproducible.sh SOURCE_DIR
set -eu
source=$(cd "$1" && pwd)
. "$(dirname "$0")/../common.sh"

copy() {   # DEST: the files a clone has, as they stand
    mkdir -p "$1"
    if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$source" ls-files -z --cached | (cd "$source" && tar --null -T - -cf -) | tar -x -C "$1"
    else
        (cd "$source" && tar --exclude='./build*' --exclude=./release-check -cf - .) | tar -x -C "$1"
    fi
}
copy "$work/one/zindle"
copy "$work/another/path/zindle"
find "$work/another" -exec touch -h -d '@'"$(($(date +%s) - 60))" {} +

(cd "$work/one/zindle" && umask 022 && LC_ALL=C.UTF-8 TZ=UTC sh ./package.sh >"$work/one.log" 2>&1) ||
    { tail -20 "$work/one.log"; fail "the first build failed"; }
(cd "$work/another/path/zindle" && umask 002 && LC_ALL=C TZ=Pacific/Auckland sh ./package.sh >"$work/another.log" 2>&1) ||
    { tail -20 "$work/another.log"; fail "the second build failed"; }
one=$(ls "$work"/one/zindle/build-release/zindle_*.deb)
another=$(ls "$work"/another/path/zindle/build-release/zindle_*.deb)
if ! cmp -s "$one" "$another"; then
    diffoscope --text - "$one" "$another" 2>&1 | head -80
    fail "two builds of the same sources gave different packages"
fi
echo "ok: two builds gave the same package, $(sha256sum <"$one" | cut -c1-16)…"
