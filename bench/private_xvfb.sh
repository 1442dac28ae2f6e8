# shellcheck shell=bash
# Sourced by the start-up benchmarks. start_private_xvfb <work-dir> <map_watch>
# starts an Xvfb of their own on a display it picks itself, exports DISPLAY
# and QT_QPA_PLATFORM=xcb, parks the pointer in the far corner (see
# map_watch.cpp) and sets xvfb_pid; it also starts a session bus of their own
# and sets bus_pid. The caller's cleanup ends both.

# announced <file> <what> <log>: waits up to 10 s for a server to write where
# it listens into <file>; says what went wrong when it does not.
announced() {
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    echo "$(basename "$0"): $2 did not start:" >&2
    cat "$3" >&2
    return 1
}

start_private_xvfb() {
    local work=$1 watch=$2
    # Xvfb writes the number of the display it took to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    # shellcheck disable=SC2034 # the caller's cleanup ends it
    xvfb_pid=$!
    announced "$work/display" Xvfb "$work/xvfb.log" || return 1
    DISPLAY=":$(tr -d '\n' <"$work/display")"
    export DISPLAY
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY SESSION_MANAGER
    # Every desktop session has a session bus. Without one, each program's
    # accessibility bridge would start dbus-launch and a bus of its own while
    # it starts, which no user meets and which makes the runs much noisier.
    dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" 2>"$work/bus.log" &
    # shellcheck disable=SC2034 # the caller's cleanup ends it
    bus_pid=$!
    announced "$work/bus" "the session bus" "$work/bus.log" || return 1
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
    "$watch" --park-pointer
}
