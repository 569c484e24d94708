#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zindle and runs every test: once in the
# ordinary build and once built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
# ZINDLE_CHECK=release is the share of a release check
# (tools/check-release.sh), which CI runs after this script itself: the
# package's reproducibility is left out, and the sanitizer build runs only
# its in-process tests (the game, the Qt binding offscreen, the bells).
set -eu
cd "$(dirname "$0")"
sh tools/deps.sh test

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZINDLE_TESTS=ON >/dev/null
cmake --build build
if [ "${ZINDLE_CHECK:-}" = release ]; then
    ordinary="-E ^package\.reproducible\$"
    sanitized="-L ^(game|qt|sound)\$"
fi
# shellcheck disable=SC2086
ctest --test-dir build --output-on-failure ${ordinary:-}

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZINDLE_SANITIZE=ON -DZINDLE_TESTS=ON >/dev/null
cmake --build build-sanitize
# shellcheck disable=SC2086
ZINDLE_RANDOM_EVENTS=250000 \
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure ${sanitized:-}
