#!/bin/bash
# Installs a built tree into a scratch prefix and packs it as a Debian package,
# then checks that both hold what a desktop needs: the executable, the desktop
# entry, the hicolor icons and the AppStream metainfo, all passing the
# freedesktop validators, and a package that pulls in the Qt 6 libraries and
# that lintian, Debian's own checker, passes without an error or a warning.
#
# Usage: check_install.sh BUILD_DIR VERSION [CMAKE [CPACK]]
# Exit codes: 0 all checks pass, 1 a check failed, 77 a needed tool is missing.
set -u

build_dir=${1:?build directory}
version=${2:?expected version}
cmake_cmd=${3:-cmake}
cpack_cmd=${4:-cpack}

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
app_id=example.qyamoretchart.QYAmoretChart
program=QYFreeAmoretChart
package=qyamoretchart

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps dpkg-architecture \
    dpkg-parsechangelog lintian timeout readelf Xvfb xdotool xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The files a desktop looks for, relative to the prefix, with what Debian
# wants beside them: a changelog and a manual page.
expected_files=(
    "bin/$program"
    "share/doc/$package/changelog.gz"
    "share/man/man1/$program.1.gz"
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 32 64 128 256; do
    expected_files+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done

echo "== cmake --install into a scratch prefix"
prefix=$work/prefix
if ! "$cmake_cmd" --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    fail "cmake --install failed"
fi
for file in "${expected_files[@]}"; do
    [[ -f $prefix/$file ]] || fail "not installed: $file"
done
[[ -x $prefix/bin/$program ]] || fail "bin/$program is not executable"
# The program ships no library of its own: a search path only sends the
# loader to other folders first (in the build tree, to the current one).
for exe in "$build_dir/shell/$program" "$prefix/bin/$program"; do
    if [[ -f $exe ]] && readelf -d "$exe" | grep -qE '\((RPATH|RUNPATH)\)'; then
        fail "$exe has a library search path: $(readelf -d "$exe" | grep -E 'R(UN)?PATH')"
    fi
done

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml

if [[ -f $desktop ]]; then
    # The validator exits 0 on warnings, so any output counts as a failure.
    out=$(desktop-file-validate "$desktop" 2>&1)
    if [[ $? -ne 0 || -n $out ]]; then
        echo "$out"
        fail "desktop-file-validate rejects the desktop entry"
    fi
    # The entry must name what is actually installed, or the menu shows a
    # generic icon or an entry that launches nothing.
    grep -qx "Exec=$program" "$desktop" || fail "desktop entry does not run $program"
    grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not use the icon $app_id"
fi

if [[ -f $metainfo ]]; then
    # Infos (plain http links, the .example domain) are fine; errors and
    # warnings are not.
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1)
    rc=$?
    if [[ $rc -ne 0 ]] || grep -q '^[EW]:' <<<"$out"; then
        echo "$out"
        fail "appstreamcli rejects the metainfo"
    fi
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $app_id.desktop"
    grep -q "<binary>$program</binary>" "$metainfo" || fail "metainfo does not provide $program"
    # A version bump without a release entry leaves software centres showing
    # the old version.
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "metainfo has no release entry for version $version"
fi

# Each translation of the program names and describes it in the desktop
# entry and the metainfo too, by the title the translation gives it.
for ts in "$source_dir"/translations/qyamoretchart_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#qyamoretchart_}
    title=$(sed -n '/<source>QY Amoret Chart<\/source>/{n;s/.*<translation>\(.*\)<\/translation>.*/\1/p}' \
        "$ts" | head -1)
    [[ -n $title ]] || fail "$ts does not translate the program's title"
    grep -qxF "Name[$language]=$title" "$desktop" || fail "desktop entry lacks Name[$language]=$title"
    grep -q "^Comment\[$language\]=." "$desktop" || fail "desktop entry lacks Comment[$language]"
    grep -qF "<name xml:lang=\"$language\">$title</name>" "$metainfo" ||
        fail "metainfo lacks the $language name $title"
    grep -qF "<lang percentage=\"100\">$language</lang>" "$metainfo" ||
        fail "metainfo does not list $language among its languages"
    # Whatever the entry and the metainfo translate, they translate into
    # every language.
    for key in $(sed -n 's/^\([A-Za-z]*\)\[[^]]*\]=.*/\1/p' "$desktop" | sort -u); do
        grep -q "^$key\[$language\]=." "$desktop" || fail "desktop entry lacks $key[$language]"
    done
    for tag in $(grep -o '<[a-z_]* xml:lang=' "$metainfo" | sed 's/^<\([a-z_]*\) .*/\1/' | sort -u); do
        grep -q "<$tag xml:lang=\"$language\">." "$metainfo" || fail "metainfo lacks the $language $tag"
    done
done

# A version bump needs its changelog entry, and the manual page names the
# version it describes.
changelog=$prefix/share/doc/$package/changelog.gz
if [[ -f $changelog ]]; then
    zcat "$changelog" >"$work/changelog"
    logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version 2>&1)
    [[ $logged == "$version" ]] || fail "the changelog's latest entry is '$logged', not $version"
fi
manpage=$prefix/share/man/man1/$program.1.gz
if [[ -f $manpage ]]; then
    zcat "$manpage" | grep -q "^\.TH .* \"QY Amoret Chart $version\"" ||
        fail "the manual page does not name version $version"
fi

# The installed program must find its libraries and plugins and keep running:
# it is running once it holds its single-instance lock, which names it. A
# private home and runtime folder keep it away from the user's settings and
# from any running copy's lock.
if [[ -x $prefix/bin/$program ]]; then
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime \
        QT_QPA_PLATFORM=offscreen "$prefix/bin/$program" >"$work/run.log" 2>&1 &
    pid=$!
    lock=$work/runtime/$program-$(id -u).lock
    until [[ "$(head -n 1 "$lock" 2>/dev/null)" == "$pid" ]]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            rc=$?
            cat "$work/run.log"
            fail "installed $program ended with code $rc instead of running"
            break
        fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
fi

# Docks and task bars match a running window to its desktop entry by the
# window class it reports (WM_CLASS on X11); the entry's StartupWMClass must
# be that class, or the user sees a generic icon and a second entry.
if [[ -x $prefix/bin/$program && -f $desktop ]]; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    until [[ -s $work/display ]] || ! kill -0 "$xvfb" 2>/dev/null; do sleep 0.1; done
    display=:$(head -n 1 "$work/display")
    DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/home/.config \
        XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb "$prefix/bin/$program" \
        >"$work/x11.log" 2>&1 &
    pid=$!
    window=$(DISPLAY=$display timeout 60 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    if [[ -z $window ]]; then
        cat "$work/x11.log"
        fail "installed $program shows no window on X11"
    else
        reported=$(DISPLAY=$display xprop -id "$window" WM_CLASS)
        entry_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
        [[ $reported == *", \"$entry_class\"" ]] ||
            fail "the window reports $reported; the desktop entry expects class '$entry_class'"
    fi
    kill "$pid" "$xvfb" 2>/dev/null
    wait "$pid" "$xvfb" 2>/dev/null
fi

echo "== cpack -G DEB"
pack_dir=$work/pack
if ! "$cpack_cmd" -G DEB -B "$pack_dir" --config "$build_dir/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack -G DEB failed"
fi
shopt -s nullglob
debs=("$pack_dir"/"$package"_*.deb)
shopt -u nullglob
if [[ ${#debs[@]} -ne 1 ]]; then
    fail "expected one ${package}_*.deb, found ${#debs[@]}"
    echo "$failures check(s) failed"
    exit 1
fi
deb=${debs[0]}

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in "${expected_files[@]}"; do
    grep -qx "\./usr/$file" <<<"$contents" || fail "package lacks /usr/$file"
done
# Everything belongs under /usr; anything else means a wrong packaging prefix.
stray=$(grep -v '^\./usr/' <<<"$contents" | grep -vx '\./')
[[ -z $stray ]] || fail "package installs outside /usr: $stray"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == "$package" ]] || fail "Package is '$(field Package)', not $package"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ $(field Section) == misc ]] || fail "Section is '$(field Section)', not misc"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] ||
    fail "Architecture is '$(field Architecture)'"

# The xcb platform plugin and the JPEG image plugin that shows the sign
# pictures ship in libqt6gui6 on Debian 12 (not in qt6-qpa-plugins), so the
# dependency on libqt6gui6 brings them along; Qt Print Support draws the print
# dialog.
depends=$(field Depends)
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 fonts-dejavu-core; do
    grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep"
done

# Errors and warnings fail; informational tags are printed and pass. Its
# own note about running as root is no tag.
echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v 'running with root privileges'
[[ ${PIPESTATUS[0]} -eq 0 ]] || fail "lintian finds errors or warnings in the package"

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "All install and package checks passed"
