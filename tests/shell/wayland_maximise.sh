#!/usr/bin/env bash
# Starts weston (headless) and runs the scripted program on it natively:
# every window is maximised, made full screen, minimised and restored, and
# must come back at its size and keep the process alive, even when the
# compositor is slow to answer its frames, before and after a web page is
# opened; every window tells the compositor the desktop entry's application
# id. Exit 77 (skipped)
# only where weston is missing or does not start.
#   wayland_maximise.sh <wayland_host> [steps...]
set -uo pipefail
host=$1
shift

command -v weston >/dev/null || { echo "weston is not installed: skipped"; exit 77; }

work=$(mktemp -d)
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Private runtime, configuration and home folders: weston's socket, the
# program's lock and its one setting stay out of the user's.
mkdir -p "$work/runtime" "$work/config" "$work/home"
chmod 0700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config HOME=$work/home
socket=qyac-test-$$

timeout 230 weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --width=1024 --height=768 >"$work/weston.log" 2>&1 &
weston_pid=$!
# Waits for the socket as long as weston lives (its own timeout ends it).
until [ -S "$XDG_RUNTIME_DIR/$socket" ]; do
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/$socket" ]; then
    echo "weston did not start: skipped"
    tail -20 "$work/weston.log"
    exit 77
fi

# libwayland and the graphics stack keep allocations until exit that the leak
# checker of a sanitizer build reports; leaks are checked by the other tests.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

# The browser a link starts: it writes down the frame-callback timeout it was
# given and the address, so that no real browser opens.
mkdir -p "$work/bin"
opened=$work/opened.txt
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
echo "\${QT_WAYLAND_FRAME_CALLBACK_TIMEOUT-unset} \$1" >"$opened.part" && mv "$opened.part" "$opened"
EOF
chmod +x "$work/bin/xdg-open"

# A frame-callback timeout of 1 ms: every frame counts as answered late, as
# on a machine too busy for the compositor to answer within Qt's 100 ms. The
# program must keep each resize the compositor asks for whole all the same,
# in the windows made after a link too. WAYLAND_DEBUG shows what the program
# tells the compositor, its application id among it.
status=0
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_WAYLAND_FRAME_CALLBACK_TIMEOUT=1 \
    WAYLAND_DEBUG=client PATH="$work/bin:$PATH" \
    timeout 180 "$host" "$@" >"$work/out.txt" 2>"$work/err.txt" || status=$?
cat "$work/out.txt"

fail() {
    echo "FAILED: $*"
    echo "--- standard error of the program"
    grep -m 5 -E "ERROR: |SUMMARY: " "$work/err.txt"
    tail -30 "$work/err.txt"
    exit 1
}
grep -q '^platform wayland' "$work/out.txt" || fail "the program did not run on Wayland"
if ! grep -qx alive "$work/out.txt"; then
    last=$(grep -v '^FAIL' "$work/out.txt" | tail -1)
    fail "the program died (exit $status) during: ${last:-start-up}"
fi
grep -q '^FAIL' "$work/out.txt" && fail "$(grep '^FAIL' "$work/out.txt" | head -5)"
[ "$status" -eq 0 ] || fail "exit status $status"

# Docks and task bars match a window to its desktop entry by the application
# id: the entry's file name without .desktop, for every window.
if [ -n "${QYAC_DESKTOP_ENTRY:-}" ]; then
    want=$(basename "$QYAC_DESKTOP_ENTRY" .desktop)
    ids=$(grep -o 'set_app_id("[^"]*")' "$work/err.txt" | sort -u)
    [ "$ids" = "set_app_id(\"$want\")" ] || fail "application ids ${ids:-none}, not $want"
fi
# The link's browser, started detached, got the user's own frame setting.
if grep -qx link "$work/out.txt"; then
    for _ in $(seq 300); do [ -f "$opened" ] && break; sleep 0.1; done
    [ -f "$opened" ] || fail "the link started no browser"
    case $(cat "$opened") in
        "1 http"*) ;;
        *) fail "the browser was started with: $(cat "$opened")" ;;
    esac
fi
echo "passed"
