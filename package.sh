#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zindle for release and writes the Debian
# package zindle_<version>_<arch>.deb into build-release/. The same commit
# gives the same package, bit for bit, wherever and whenever it is built:
# times are SOURCE_DATE_EPOCH's (the last commit's when unset, or the newest
# changelog entry's outside a git work tree), modes do not follow the umask.
set -eu
cd "$(dirname "$0")"
umask 022
export LC_ALL=C.UTF-8 TZ=UTC
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
        SOURCE_DATE_EPOCH=$(date -d "$(sed -n 's/^ -- .*  //p' data/changelog | head -1)" +%s)
fi
export SOURCE_DATE_EPOCH
sh tools/deps.sh package
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZINDLE_TESTS=OFF >/dev/null
cmake --build build-release
(cd build-release && cpack -G DEB)
