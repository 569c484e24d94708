#!/bin/sh
# SPDX-License-Identifier: MIT
# The window's pictures with an impostor of the carried faces installed as
# a system font and the system's own Inter left out (impostor.py): every
# picture must stay the same.
#   pictures_with_impostor.sh QT_TESTS
set -eu
qt_tests=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
/usr/bin/python3 "$here/impostor.py" "$work"
export FONTCONFIG_FILE="$work/fonts.conf" QT_QPA_PLATFORM=offscreen
fc-match -f '%{file}\n' 'Inter:weight=210' | grep -q "^$work/" || fail "the impostor is not the system's Inter"
"$qt_tests" --gtest_filter='WindowPicture.*-*AtScale2'
QT_SCALE_FACTOR=2 "$qt_tests" --gtest_filter='WindowPicture.*AtScale2'
