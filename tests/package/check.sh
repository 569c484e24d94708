#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks of the desktop integration, the Debian package and the licence.
#   check.sh STEP BUILD_DIR
# The release's facts come from the build: ZINDLE_VERSION,
# ZINDLE_RELEASE_DATE and ZINDLE_FONT_FAMILY in the environment.
set -eu
step=$1
build=$(cd "$2" && pwd)
app_id=com.norvo.zindle
version=$ZINDLE_VERSION
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

case "$step" in
validate)
    desktop-file-validate "$build/$app_id.desktop"
    out=$(appstreamcli validate --no-net --pedantic "$build/$app_id.metainfo.xml" 2>&1) ||
        fail "metainfo: $out"
    echo "$out"
    # The developer element came with AppStream 1.0, which deprecates the
    # developer_name element before it; older tools (0.16, Debian 12) pass
    # over the unknown element with this one remark.
    case "$(appstreamcli --version | sed -n 's/^AppStream version: //p')" in
    0.*) out=$(echo "$out" | grep -v '^I: [^ ]*:[0-9]*: unknown-tag developer$' || true) ;;
    esac
    ! echo "$out" | grep -Eq '^[EWIP]:' || fail "the metainfo draws remarks"
    ;;
install)
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    icons=share/icons/hicolor
    for f in games/zindle libexec/zindle/zindle-bell \
             share/applications/$app_id.desktop \
             share/metainfo/$app_id.metainfo.xml \
             $icons/scalable/apps/$app_id.svg \
             share/man/man6/zindle.6.gz \
             share/doc/zindle/copyright share/doc/zindle/changelog.gz; do
        [ -f "$work/prefix/$f" ] || fail "not installed: $f"
    done
    # The game finds its bell's helper where the installation put it.
    helper=$(strings "$work/prefix/games/zindle" | sed -n 's|^/\(.*/zindle-bell\)$|\1|p')
    [ -x "$work/prefix/games/$helper" ] || fail "the game looks for its bell's helper at games/$helper"
    # The faces the program carries are named, with their licence.
    copyright="$work/prefix/share/doc/zindle/copyright"
    grep -q '^Files: data/fonts/\*$' "$copyright" && grep -q '^License: OFL-1.1$' "$copyright" &&
        grep -q 'SIL OPEN FONT LICENSE\|The goals of the Open Font License' "$copyright" ||
        fail "the copyright file lacks the carried faces' licence"
    grep -q "\"$ZINDLE_FONT_FAMILY\"" "$copyright" || fail "the copyright file does not name the family $ZINDLE_FONT_FAMILY"
    for size in 16 32 48 64 128 256; do
        file "$work/prefix/$icons/${size}x$size/apps/$app_id.png" | grep -q "$size x $size" ||
            fail "no $size x $size icon"
    done
    grep -q "^Icon=$app_id$" "$work/prefix/share/applications/$app_id.desktop" ||
        fail "the desktop entry names another icon"
    # The page of the manual reads without a warning.
    out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l \
        "$work/prefix/share/man/man6/zindle.6.gz" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "the manual page: $out"
    ;;
deb)
    cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    deb=$(ls "$work"/zindle_"$version"_*.deb) || fail "no zindle_${version}_<arch>.deb"
    [ "$(dpkg-deb -f "$deb" Package)" = zindle ] || fail "package name"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
    dpkg-deb -f "$deb" Maintainer | grep -Eq '^Norvo <[^ @]+@[^ @]+\.[a-z]+>$' ||
        fail "maintainer: $(dpkg-deb -f "$deb" Maintainer)"
    depends=$(dpkg-deb -f "$deb" Depends)
    for d in libqt6widgets6 libc6 fonts-liberation2; do
        echo "$depends" | grep -q "$d" || fail "Depends lacks $d: $depends"
    done
    # Inter goes with the program: the system's, of whatever version, is not used.
    ! echo "$depends" | grep -q fonts-inter || fail "Depends names fonts-inter: $depends"
    # What a desktop needs to be heard and drawn natively comes along, as
    # apt installs Recommends by default.
    recommends=$(dpkg-deb -f "$deb" Recommends)
    for r in libcanberra0 libcanberra-pulse sound-theme-freedesktop qt6-wayland; do
        echo "$recommends" | grep -Eq "(^|, )$r(,|$)" || fail "Recommends lacks $r: $recommends"
    done
    dpkg-deb -f "$deb" Description | grep -q "keyboard reflex game" || fail "description"
    newest=$(zcat "$build/changelog.gz" | sed -n '1s/^zindle (\([^)]*\)).*/\1/p')
    [ "$newest" = "$(dpkg-deb -f "$deb" Version)" ] || fail "the changelog's newest entry is $newest"
    dated=$(date -u -d "$(zcat "$build/changelog.gz" | sed -n 's/^ -- .*  //p' | head -1)" +%F)
    [ "$dated" = "$ZINDLE_RELEASE_DATE" ] || fail "the changelog's newest entry is dated $dated, the release $ZINDLE_RELEASE_DATE"
    files=$(dpkg-deb -c "$deb")
    for f in ./usr/games/zindle ./usr/libexec/zindle/zindle-bell ./usr/share/applications/$app_id.desktop \
             ./usr/share/metainfo/$app_id.metainfo.xml \
             ./usr/share/icons/hicolor/256x256/apps/$app_id.png \
             ./usr/share/doc/zindle/copyright; do
        echo "$files" | grep -q " $f\$" || fail "the package lacks $f"
    done
    # The menu starts the program by name: it lies on the path Debian gives
    # every user's session.
    dpkg-deb -x "$deb" "$work/root"
    exec_name=$(sed -n 's/^Exec=//p' "$work/root/usr/share/applications/$app_id.desktop")
    user_path=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs)
    found=""
    for dir in $(echo "$user_path" | tr ':' ' '); do
        [ -x "$work/root$dir/$exec_name" ] && found="$dir/$exec_name"
    done
    [ -n "$found" ] || fail "the menu's command $exec_name is not on the user's path $user_path"
    # The packaged program starts and opens its window, whose class is the
    # one its desktop entry names, so that the desktop takes its icon and
    # entry for it.
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
        '$work/root$found' & pid=\$!
        id=\$(timeout 20 xdotool search --sync --onlyvisible --name '^Zindle\$' | head -1)
        [ -n \"\$id\" ] && xprop -id \$id WM_CLASS >'$work/class'; rc=\$?
        kill \$pid; wait \$pid 2>/dev/null; exit \$rc" || fail "the packaged program showed no window"
    class=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/share/applications/$app_id.desktop")
    grep -Eq "= (\"$class\", |.*, \"$class\"$)" "$work/class" ||
        fail "the window's class is $(cat "$work/class"), the desktop entry's StartupWMClass $class"
    ;;
lintian)
    cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    # Info tags that stay, each for its reason:
    #  hardening-no-fortify-functions: the program calls no libc function
    #    that could be fortified but memcpy and memmove with run-time sizes.
    #  binary-has-unneeded-section: the compiler's version note in .comment,
    #    which CPack's strip keeps; a few bytes, nothing else.
    explained="hardening-no-fortify-functions binary-has-unneeded-section"
    out=$(lintian --pedantic -I -E --tag-display-limit 0 "$work"/zindle_"$version"_*.deb 2>&1 |
        grep -v 'running with root privileges' || true)
    echo "$out"
    # (Newer lintian shows the first as experimental, X:, not I:.)
    for tag in $explained; do out=$(echo "$out" | grep -v "^[IX]: zindle: $tag " || true); done
    [ -z "$out" ] || fail "lintian: $out"
    ;;
compose)
    # A software centre's view: the AppStream catalogue composed from the
    # installed tree finds the component and its icon, without an error.
    cmake --install "$build" --prefix "$work/root/usr" >/dev/null
    out=$(appstreamcli compose --no-color --print-report=full --origin zindle --result-root="$work/out" "$work/root" 2>&1) ||
        fail "compose: $out"
    echo "$out"
    ! echo "$out" | grep -Eiq '^ *(E|W):|error|icon-not-found' || fail "compose reports a problem"
    find "$work/out" -name '*.xml.gz' -exec zcat {} + > "$work/catalogue"
    grep -q "<id>$app_id</id>" "$work/catalogue" || fail "the component is not in the catalogue"
    grep -q '<icon type="cached"' "$work/catalogue" || fail "the catalogue has no icon for it"
    ;;
licence)
    # Every source file carries its licence in one SPDX line.
    source=$(cd "$(dirname "$0")/../.." && pwd)
    # The faces in data/fonts/ are another project's, under their own licence.
    missing=$(cd "$source" && find src tests tools bench cmake data .ci \
        CMakeLists.txt check.sh play.sh package.sh -path data/fonts -prune -o -type f \
        \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name '*.xpm' \
           -o -name '*.txt' -o -name '*.cmake' -o -name '*.svg' -o -name '*.6' -o -name run \) \
        -exec grep -L 'SPDX-License-Identifier: MIT' {} +) || true
    [ -z "$missing" ] || fail "no SPDX line in: $missing"
    [ -f "$source/LICENSE" ] || fail "no LICENSE"
    ;;
hardening)
    # Debian 12's hardening: PIE, stack protector, RELRO and immediate
    # binding, judged on the binary. Fortified calls cannot be judged there:
    # the only libc calls that could be fortified are memcpy and memmove with
    # sizes known only at run time, so the check reads the compile commands.
    #  --nocfprotection: the x86 control-flow note (IBT, SHSTK) is kept by the
    #    linker only when every object linked has it, and the C runtime's
    #    start files do not; the code itself is built with -fcf-protection.
    #  --nobranchprotection (Debian 13 on): branch protection (BTI, PAC) is an
    #    AArch64 feature; elsewhere there is nothing to find. On AArch64 it
    #    is checked, and the build asks for it.
    skip="--nofortify --nocfprotection"
    if hardening-check --help 2>&1 | grep -q nobranchprotection && [ "$(uname -m)" != aarch64 ]; then
        skip="$skip --nobranchprotection"
    fi
    # shellcheck disable=SC2086
    hardening-check $skip "$build/zindle" "$build/zindle-bell"
    grep -q '_FORTIFY_SOURCE=2' "$build/compile_commands.json" || fail "not built with _FORTIFY_SOURCE"
    grep -q -- '-O2' "$build/compile_commands.json" || fail "not optimised, so not fortified"
    ;;
windows-resources)
    x86_64-w64-mingw32-windres --preprocessor=cpp "$build/zindle.rc" -O coff -o "$work/zindle.res"
    [ -s "$work/zindle.res" ] || fail "no resources compiled"
    # Version strings are stored as UTF-16.
    for s in Norvo Zindle "$version"; do
        iconv -f UTF-16LE -t UTF-8 "$work/zindle.res" 2>/dev/null | grep -aq "$s" ||
            tr -d '\000' < "$work/zindle.res" | grep -aq "$s" || fail "the version record lacks $s"
    done
    ;;
*)
    fail "unknown step $step"
    ;;
esac
echo "ok: $step"
