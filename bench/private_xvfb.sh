# shellcheck shell=bash
# Sourced by the start-up benchmarks. start_private_xvfb <work-dir> <map_watch>
# starts an Xvfb of their own on a display it picks itself, exports DISPLAY
# and QT_QPA_PLATFORM=xcb, parks the pointer in the far corner (see
# map_watch.cpp) and sets xvfb_pid; it also starts a session bus of their own
# and sets bus_pid. The caller's cleanup ends both.
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
    # Every desktop session has a session bus. Without one, each program's
    # accessibility bridge would start dbus-launch and a bus of its own while
    # it starts, which no user meets and which makes the runs much noisier.
    dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" 2>"$work/bus.log" &
    # shellcheck disable=SC2034 # the caller's cleanup ends it
    bus_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/bus" ] && break
        sleep 0.1
    done
    if ! [ -s "$work/bus" ]; then
        echo "$(basename "$0"): the session bus did not start:" >&2
        cat "$work/bus.log" >&2
        return 1
    fi
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
    "$watch" --park-pointer
}
