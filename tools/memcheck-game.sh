#!/bin/sh
# SPDX-License-Identifier: MIT
# Plays a full game of the real program under Valgrind's memcheck on an Xvfb
# of its own and prints memcheck's summary. Errors inside system libraries
# show with their stacks; the program's own code is src/.
#   tools/memcheck-game.sh
set -eu
cd "$(dirname "$0")/.."
sh tools/deps.sh test
command -v valgrind >/dev/null || { echo "valgrind is needed" >&2; exit 1; }
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zindle bellwatch
. tests/common.sh
start_xvfb
valgrind --tool=memcheck --leak-check=summary --fullpath-after= --num-callers=30 \
    --log-file="$work/memcheck.log" ./build/zindle &
track $!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Zindle$' | head -1)
./build/tests/bellwatch 7 >"$work/bells" &
bells=$!
track $bells
sleep 1
xdotool windowfocus --sync "$window"
xdotool type --delay 50 "xstistis"
timeout 60 sh -c "while kill -0 $bells 2>/dev/null; do sleep 0.2; done"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 308)) $((Y + 436)) click 1
xdotool type --delay 50 "s"
sleep 2
kill "$(xdotool getwindowpid "$window")"
sleep 5
echo "bells heard: $(grep -c '^[0-9]' "$work/bells")"
grep -E "ERROR SUMMARY|definitely lost|indirectly lost|in use at exit" "$work/memcheck.log"
echo "errors reported, with the first frames of each:"
grep -A3 -E "== [A-Z][A-Za-z ]+.*(uninitialised|Invalid|invalid|Mismatched|overlap|Syscall param)" "$work/memcheck.log" || true
# An error is the program's own when the first frame of its stack outside
# Valgrind, the C library and the C++ library lies in the program's source.
awk '
    /== [A-Z][A-Za-z ]+.*(uninitialised|Invalid|invalid|Mismatched|overlap|Source and destination|Syscall param)/ {
        block = $0; judged = 0; next
    }
    /==    (at|by) 0x/ && block != "" && !judged {
        if ($0 ~ /vgpreload|libc\.so|libstdc\+\+|ld-linux/) next
        judged = 1
        if ($0 ~ /\/src\//) { print block; print $0; own++ }
        block = ""
    }
    END { exit own > 0 }
' "$work/memcheck.log" || { echo "memcheck reports errors in the program's own code"; exit 1; }
echo "no memcheck error in the program's own code"
