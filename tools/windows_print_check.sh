#!/usr/bin/env bash
# Shows the Windows program printing under Wine, in a Simplified Chinese
# session, and keeps a screenshot of every step: the installer's first page,
# the update question with Qt's own Yes/No, the main window, the reading, the
# Windows print dialog offering a CUPS printer, and the printed page (the PDF
# that cups-pdf wrote, rendered to PNG). It fails unless the print gives one
# page holding the reading.
#
# Usage, after ./dev windows has written the installer, as root:
#     tools/windows_print_check.sh [folder for the screenshots, default build-windows/shots]
#
# Not a step of ./dev windows: it runs a CUPS server of its own as root
# (cups-pdf's backend must run as root), and cups-pdf puts the page in the
# printing user's ~/PDF, from where it is moved to the screenshots. The
# server, the virtual display and the Wine prefix are this run's own and go
# when it ends; the system's CUPS, if any, is left alone. Installs what it
# needs and lacks with apt-get.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

PACKAGES=(cups printer-driver-cups-pdf imagemagick xvfb xdotool poppler-utils locales wine wine64)
build="$PWD/build-windows"
shots="$(mkdir -p "${1:-$build/shots}" && cd "${1:-$build/shots}" && pwd)"
installers=("$build"/qyamoretchart-*-win64.exe)
installer="${installers[0]}"
program='C:\Program Files\QY Amoret Chart\bin\QYFreeAmoretChart.exe'

fail() {
    echo "windows_print_check: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "run it as root (cups-pdf prints through a root backend)"
[ -f "$installer" ] || fail "no installer in $build: run ./dev windows first"

missing=()
for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "windows_print_check: installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work="$(mktemp -d)"
chmod 755 "$work" # CUPS's filters run as lp and read the spool inside
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
export CUPS_SERVER="$work/cups/cups.sock"
pids=()
cleanup() {
    wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

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
# The newest visible window of this name, if any.
window() {
    local id
    id="$(xdotool search --onlyvisible --name "^$1\$" | tail -1)"
    [ -n "$id" ] && echo "$id"
}
# A screenshot once the screen has stopped changing (the window drawn).
shoot() {
    local last="$work/last.png" now="$work/now.png"
    import -window root "$last"
    for ((i = 0; i < 50; i++)); do
        sleep 0.2
        import -window root "$now"
        cmp -s "$last" "$now" && break
        mv "$now" "$last"
    done
    mv "$last" "$shots/$1.png"
    echo "windows_print_check: $shots/$1.png"
}

# A virtual display of its own.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 30 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

# A CUPS server of its own on a socket of its own, with one cups-pdf printer.
mkdir -p "$work"/cups/{spool,cache,state,log} "$work/cups/tmp"
chmod 1777 "$work/cups/tmp"
cat >"$work/cups/cupsd.conf" <<EOF
Listen $CUPS_SERVER
LogLevel warn
Browsing Off
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$work/cups/cups-files.conf" <<EOF
ServerRoot $work/cups
RequestRoot $work/cups/spool
TempDir $work/cups/tmp
CacheDir $work/cups/cache
StateDir $work/cups/state
AccessLog $work/cups/log/access_log
ErrorLog $work/cups/log/error_log
PageLog $work/cups/log/page_log
SystemGroup root
EOF
cupsd -f -c "$work/cups/cupsd.conf" -s "$work/cups/cups-files.conf" &
pids+=($!)
wait_for 30 test -S "$CUPS_SERVER" || fail "cupsd did not start"
lpadmin -p QYAC_PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
lpadmin -d QYAC_PDF

# The Chinese session: Wine takes it from the host's locale, made here.
locales="$build/locales"
mkdir -p "$locales"
[ -e "$locales/zh_CN.UTF-8/LC_CTYPE" ] || localedef -i zh_CN -f UTF-8 "$locales/zh_CN.UTF-8" ||
    [ -e "$locales/zh_CN.UTF-8/LC_CTYPE" ] || fail "cannot make the zh_CN locale"
chinese=(env LOCPATH="$locales" LC_ALL=zh_CN.UTF-8)
wine wineboot --init >/dev/null 2>&1

# The installer's first page in Chinese, then the installation itself.
"${chinese[@]}" wine "$installer" &
wait_for 60 window "QY 桃花命盘 安装" || fail "the installer showed no Chinese window"
shoot installer-zh_CN
wineserver -k
wineserver -w
"${chinese[@]}" wine "$installer" /S
wineserver -w

# Last reminder long ago, so that the update question comes (the key and
# the date are stored shifted by 95 codes).
scrambled() {
    local text=$1 out="" i code
    for ((i = 0; i < ${#text}; i++)); do
        printf -v code %04x $(($(printf %d "'${text:i:1}") + 95))
        out+=$(printf "\\u$code")
    done
    printf %s "$out"
}
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\QYFreeAmoretChart\\QYFreeAmoretChart\\Settings]\r\n'
    printf '"%s"="%s"\r\n' "$(scrambled Duration)" "$(scrambled 2001-01-01)"
} | iconv -f UTF-8 -t UTF-16 >"$work/reminder.reg"
wine regedit /s "$(winepath -w "$work/reminder.reg")"

marker="$work/before-print"
touch "$marker"
"${chinese[@]}" wine "$program" &
running=$!
wait_for 60 window "QY 桃花命盘" || fail "no update question"
shoot update-question-zh_CN
xdotool key --window "$(window "QY 桃花命盘")" alt+n
wait_for 60 window "QY 桃花命盘 v1.0" || fail "no main window"
main="$(window "QY 桃花命盘 v1.0")"
shoot main-window-zh_CN
xdotool windowfocus "$main" 2>/dev/null || true
xdotool type --delay 50 "Li"
xdotool key alt+g # 1 January 1936, the window's first date: a Pig of Wood
other_window() { [ -n "$(window "QY 桃花命盘 v1.0")" ] && [ "$(window "QY 桃花命盘 v1.0")" != "$main" ]; }
wait_for 60 other_window || fail "no reading"
shoot reading-zh_CN
xdotool key alt+f
xdotool key p
wait_for 60 window "打印" || fail "File > Print opened no print dialog"
shoot print-dialog-zh_CN
xdotool key --window "$(window "打印")" Return

# Printed once CUPS holds no unfinished job and cups-pdf's file reads whole.
new_pdf() { find "$HOME/PDF" -name '*.pdf' -newer "$marker" 2>/dev/null | head -1; }
printed() { [ -z "$(lpstat -o)" ] && [ -n "$(new_pdf)" ] && pdfinfo "$(new_pdf)"; }
if ! wait_for 120 printed; then
    lpstat -W all -o >&2 || true
    tail -5 "$work/cups/log/error_log" >&2 || true
    fail "nothing was printed"
fi
pdf="$(new_pdf)"
mv "$pdf" "$shots/printed-page-zh_CN.pdf"
pdf="$shots/printed-page-zh_CN.pdf"
pdftoppm -png -r 100 -singlefile "$pdf" "$shots/printed-page-zh_CN"
echo "windows_print_check: $shots/printed-page-zh_CN.png"

pages="$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')"
[ "$pages" = 1 ] || fail "the print gave $pages pages"
text="$(pdftotext "$pdf" -)"
for expected in "QY 桃花命盘 v1.0" "猪" "木"; do
    grep -qF "$expected" <<<"$text" || fail "the printed page lacks '$expected'"
done
echo "windows_print_check: printed one page holding the reading (Pig, Wood) in Chinese"

xdotool key --window "$(window "QY 桃花命盘 v1.0")" alt+x
ended() { ! kill -0 "$running"; }
wait_for 60 ended || fail "the program did not end on Exit"
