#!/bin/sh
# Checks of the desktop integration and the Debian package.
#   check.sh STEP BUILD_DIR
set -eu
step=$1
build=$(cd "$2" && pwd)
app_id=com.norvo.zindle
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

case "$step" in
validate)
    desktop-file-validate "$build/$app_id.desktop"
    out=$(appstreamcli validate --no-net --pedantic "$build/$app_id.metainfo.xml" 2>&1) ||
        fail "metainfo: $out"
    echo "$out"
    ! echo "$out" | grep -Eq '^[EWIP]:' || fail "the metainfo draws remarks"
    ;;
install)
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    for f in bin/zindle \
             share/applications/$app_id.desktop \
             share/metainfo/$app_id.metainfo.xml \
             share/icons/hicolor/16x16/apps/$app_id.png \
             share/icons/hicolor/32x32/apps/$app_id.png; do
        [ -f "$work/prefix/$f" ] || fail "not installed: $f"
    done
    file "$work/prefix/share/icons/hicolor/16x16/apps/$app_id.png" | grep -q "16 x 16" ||
        fail "the 16 x 16 icon has another size"
    file "$work/prefix/share/icons/hicolor/32x32/apps/$app_id.png" | grep -q "32 x 32" ||
        fail "the 32 x 32 icon has another size"
    grep -q "^Icon=$app_id$" "$work/prefix/share/applications/$app_id.desktop" ||
        fail "the desktop entry names another icon"
    ;;
deb)
    cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    deb=$(ls "$work"/zindle_1.00_*.deb) || fail "no zindle_1.00_<arch>.deb"
    [ "$(dpkg-deb -f "$deb" Package)" = zindle ] || fail "package name"
    [ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || fail "version"
    [ "$(dpkg-deb -f "$deb" Maintainer)" = Norvo ] || fail "maintainer"
    depends=$(dpkg-deb -f "$deb" Depends)
    for d in libqt6widgets6 libc6 fonts-inter fonts-liberation2; do
        echo "$depends" | grep -q "$d" || fail "Depends lacks $d: $depends"
    done
    dpkg-deb -f "$deb" Description | grep -q "keyboard reflex game" || fail "description"
    files=$(dpkg-deb -c "$deb")
    for f in ./usr/bin/zindle ./usr/share/applications/$app_id.desktop \
             ./usr/share/metainfo/$app_id.metainfo.xml \
             ./usr/share/icons/hicolor/32x32/apps/$app_id.png; do
        echo "$files" | grep -q " $f\$" || fail "the package lacks $f"
    done
    # The packaged program starts and opens its window.
    dpkg-deb -x "$deb" "$work/root"
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
        '$work/root/usr/bin/zindle' & pid=\$!
        timeout 20 xdotool search --sync --onlyvisible --name '^Zindle\$' >/dev/null; rc=\$?
        kill \$pid; wait \$pid 2>/dev/null; exit \$rc" || fail "the packaged program showed no window"
    ;;
hardening)
    # Debian 12's hardening: PIE, stack protector, RELRO and immediate
    # binding, judged on the binary. Fortified calls cannot be judged there:
    # the only libc calls that could be fortified are memcpy and memmove with
    # sizes known only at run time, so the check reads the compile commands.
    hardening-check --nofortify --nocfprotection "$build/zindle"
    grep -q '_FORTIFY_SOURCE=2' "$build/compile_commands.json" || fail "not built with _FORTIFY_SOURCE"
    grep -q -- '-O2' "$build/compile_commands.json" || fail "not optimised, so not fortified"
    ;;
windows-resources)
    x86_64-w64-mingw32-windres --preprocessor=cpp "$build/zindle.rc" -O coff -o "$work/zindle.res"
    [ -s "$work/zindle.res" ] || fail "no resources compiled"
    # Version strings are stored as UTF-16.
    for s in Norvo Zindle 1.00; do
        iconv -f UTF-16LE -t UTF-8 "$work/zindle.res" 2>/dev/null | grep -aq "$s" ||
            tr -d '\000' < "$work/zindle.res" | grep -aq "$s" || fail "the version record lacks $s"
    done
    ;;
*)
    fail "unknown step $step"
    ;;
esac
echo "ok: $step"
