#!/usr/bin/env bash
# Tries the Windows installer under Wine as a user would: a silent install
# (installer.exe /S), the files, Start-menu entry and uninstall entry it makes,
# the installed program started from its folder (main window up, its setting
# in the registry), a second copy refused, both closed, then the uninstaller,
# after which nothing of the program is left. Then once more in a Simplified
# and a Traditional Chinese, a Korean, a Vietnamese, a Japanese, a Thai and an
# Indonesian session: the Start-menu entry and the uninstall entry carry the
# program's title in that language, and an uninstaller run in English still
# removes them.
# Usage: check_windows_installer.sh <Windows build folder> (needs DISPLAY).
# The installed program runs with plain Wine: it must find every DLL it needs
# in its own folder, not on the build's WINEPATH.
set -euo pipefail
build="$(cd "$1" && pwd)"
# English, in a character set for every file name the installer makes.
export LC_ALL=C.UTF-8
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
installers=("$build"/qyamoretchart-*-win64.exe)
installer="${installers[0]}"
version="${installer##*/qyamoretchart-}"
version="${version%-win64.exe}"
folder="$WINEPREFIX/drive_c/Program Files/QY Amoret Chart"
program='C:\Program Files\QY Amoret Chart\bin\QYFreeAmoretChart.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QY Amoret Chart'
settings_key='HKCU\Software\QYFreeAmoretChart'

fail() {
    echo "check_windows_installer: $*" >&2
    exit 1
}
# Polls for a state, giving up after the given number of seconds.
wait_for() {
    local seconds=$1
    shift
    for ((i = 0; i < seconds * 10; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
window() { xdotool search --onlyvisible --name "^$1\$"; }
start_menu_entry() { find "$WINEPREFIX/drive_c" -name "${1:-QY Amoret Chart}.lnk" | grep -q .; }
registered() { wine reg query "$uninstall_key" >/dev/null 2>&1; }
# The value of the uninstall entry (REG_SZ or REG_DWORD) as `reg query` prints it.
entry() { wine reg query "$uninstall_key" /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }

[ -f "$installer" ] || fail "no installer in $build"
wine "$installer" /S
wineserver -w
for file in bin/QYFreeAmoretChart.exe bin/Qt6Core.dll \
    bin/Qt6PrintSupport.dll bin/libstdc++-6.dll bin/platforms/qwindows.dll \
    bin/styles/qwindowsvistastyle.dll bin/imageformats/qjpeg.dll bin/translations/qtbase_zh_CN.qm \
    bin/translations/qtbase_zh_TW.qm bin/translations/qtbase_ko.qm \
    bin/translations/qtbase_ja.qm LICENSE.txt artwork-licences.md third-party-licences.txt \
    LGPL-3.txt Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "the installer did not install $file"
done
start_menu_entry || fail "no Start-menu entry"
registered || fail "no $uninstall_key"
[ "$(entry DisplayName)" = "QY Amoret Chart" ] || fail "uninstall entry named '$(entry DisplayName)'"
[ "$(entry DisplayVersion)" = "$version" ] || fail "uninstall entry of version '$(entry DisplayVersion)'"
[ "$(entry Publisher)" = "QY Amoret Chart developers" ] || fail "uninstall entry without its publisher"
[ "$(entry DisplayIcon)" = "$program,0" ] || fail "uninstall entry with the icon '$(entry DisplayIcon)'"
echo "check_windows_installer: installed $(basename "$installer") to C:\\Program Files\\QY Amoret Chart"

wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
wine "$program" &
first=$!
wait_for 60 window 'QY Amoret Chart v1.0' || fail "the installed program showed no main window"
wait_for 30 wine reg query "$settings_key\\QYFreeAmoretChart\\Settings" ||
    fail "the installed program kept no setting in the registry"
wine "$program" &
second=$!
wait_for 60 window 'QY Amoret Chart' || fail "a second copy showed no refusal"
kill -0 "$second" 2>/dev/null || fail "a second copy ended without its box"
# Closes every window of the program, as the user would: the main window ends
# the first copy, the box the second.
wine taskkill /im QYFreeAmoretChart.exe >/dev/null 2>&1 || true
copies_ended() { ! kill -0 "$first" && ! kill -0 "$second"; }
wait_for 60 copies_ended ||
    fail "the program did not end when its windows were closed"
echo "check_windows_installer: the installed program started, kept its setting in the registry, refused a second copy and ended"

wine "C:\\Program Files\\QY Amoret Chart\\Uninstall.exe" /S
wineserver -w # the uninstaller finishes from a copy of itself
[ ! -e "$folder" ] || fail "the uninstaller left $(find "$folder" | head -5)"
! start_menu_entry || fail "the uninstaller left the Start-menu entry"
! registered || fail "the uninstaller left $uninstall_key"
echo "check_windows_installer: uninstalled; nothing of the program is left"

# Wine takes the display language from the host's locale and names files in
# its character set, so a locale the host lacks gives names that cannot be
# files. The session's locales are made here for these runs alone
# (glibc reads them from LOCPATH). Hong Kong reads the traditional title, as
# the program does.
locales="$build/locales"
mkdir -p "$locales"
for language in zh_CN zh_HK ko_KR vi_VN ja_JP th_TH id_ID; do
    [ -e "$locales/$language.UTF-8/LC_CTYPE" ] ||
        localedef -i "$language" -f UTF-8 "$locales/$language.UTF-8" ||
        [ -e "$locales/$language.UTF-8/LC_CTYPE" ] || fail "cannot make the $language locale"
done
# The titles the installer was given, from the program's translations.
title_in() { sed -n "s/^set(CPACK_QYAC_TITLE_$1 \"\(.*\)\")\$/\1/p" "$build/CPackConfig.cmake"; }
for session in "zh_CN $(title_in ZH_CN)" "zh_HK $(title_in ZH_TW)" "ko_KR $(title_in KO)" \
    "vi_VN $(title_in VI)" "ja_JP $(title_in JA)" "th_TH $(title_in TH)" "id_ID $(title_in ID)"; do
    language="${session%% *}"
    title="${session#* }"
    [ -n "$title" ] || fail "no $language title in $build/CPackConfig.cmake"
    LOCPATH="$locales" LC_ALL="$language.UTF-8" wine "$installer" /S
    wineserver -w
    start_menu_entry "$title" || fail "no Start-menu entry '$title' in a $language session"
    ! start_menu_entry || fail "an English Start-menu entry in a $language session"
    # reg prints '?' for what its console's code page lacks: the Latin part must do.
    [[ "$(entry DisplayName)" == "QY "?* && "$(entry DisplayName)" != "QY Amoret Chart" ]] ||
        fail "the uninstall entry's name is not translated in a $language session"
    wine "C:\\Program Files\\QY Amoret Chart\\Uninstall.exe" /S
    wineserver -w
    ! start_menu_entry "$title" || fail "the uninstaller left the Start-menu entry '$title'"
    ! registered || fail "the uninstaller left $uninstall_key after a $language install"
    [ ! -e "$folder" ] || fail "the uninstaller left $folder after a $language install"
done
echo "check_windows_installer: the Start-menu entry reads $(title_in ZH_CN), $(title_in ZH_TW), $(title_in KO), $(title_in VI), $(title_in JA), $(title_in TH) and $(title_in ID) in those sessions; uninstalled from English"
