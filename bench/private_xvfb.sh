# shellcheck shell=bash
# Sourced by the start-up benchmarks. start_private_xvfb <work-dir> <map_watch>
# starts an Xvfb of their own on a display it picks itself, exports DISPLAY
# and QT_QPA_PLATFORM=xcb, parks the pointer in the far corner (see
# map_watch.cpp) and sets xvfb_pid, which the caller's cleanup ends.
start_private_xvfb() {
    local work=$1 watch=$2
    # Xvfb writes the number of the display it took to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    # shellcheck disable=SC2034 # the caller's cleanup ends it
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    if ! [ -s "$work/display" ]; then
        echo "$(basename "$0"): Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$(tr -d '\n' <"$work/display")"
    export DISPLAY
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY SESSION_MANAGER
    "$watch" --park-pointer
}
