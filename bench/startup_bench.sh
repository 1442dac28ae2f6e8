#!/usr/bin/env bash
# Start-up of the program against the floor program, under one private Xvfb:
#   bench/startup_bench.sh [build-dir]        (default build-bench; RUNS=31)
# Runs alternate program, floor, program, floor, ...; the first run of each
# is a warm-up and is not counted. Every run gets a fresh HOME,
# XDG_CONFIG_HOME and XDG_RUNTIME_DIR (mode 0700), so the program always
# meets a first start: no settings, no lock. HOME and XDG_CONFIG_HOME lie on
# the disk as a home folder does; XDG_RUNTIME_DIR lies on tmpfs (/dev/shm)
# as /run/user/<uid> does on a desktop. map_watch (map_watch.cpp) times
# each run from fork to the X server mapping the window titled
# "QY Amoret Chart v1.0", and to the first drawing into it, and reads the
# peak resident memory (VmHWM) before it ends the program.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

build=${1:-build-bench}
runs=${RUNS:-31}
program=$build/shell/QYFreeAmoretChart
floor=$build/bench/floor
watch=$build/bench/map_watch
for exe in "$program" "$floor" "$watch"; do
    [ -x "$exe" ] || {
        echo "startup_bench: $exe is missing; build with -DQYAC_BUILD_BENCH=ON" >&2
        exit 2
    }
done
((runs >= 2)) || {
    echo "startup_bench: RUNS must be at least 2" >&2
    exit 2
}

work=$(mktemp -d)
runtime_root=$work
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    runtime_root=$(mktemp -d /dev/shm/qyac-bench.XXXXXX)
fi
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work" "$runtime_root"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || {
    echo "startup_bench: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
}
export DISPLAY=":$(tr -d '\n' <"$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

one_run() { # label executable run-number
    local dir runtime line
    dir=$(mktemp -d "$work/run.XXXXXX")
    runtime=$(mktemp -d "$runtime_root/run.XXXXXX")
    mkdir -m 0700 "$dir/home" "$dir/config"
    chmod 0700 "$runtime"
    if line=$(HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$runtime" \
        "$watch" -- "$2" 2>>"$work/errors"); then
        [ "$3" -eq 0 ] || echo "$1 $line" >>"$work/results"
    else
        echo "$1 failed" >>"$work/results"
    fi
    rm -rf "$dir" "$runtime"
}

echo "startup_bench: Xvfb on $DISPLAY, $runs runs each (first one a warm-up), interleaved"
for ((i = 0; i < runs; i++)); do
    one_run program "$program" "$i"
    one_run floor "$floor" "$i"
done

python3 - "$work/results" <<'EOF'
import statistics
import sys

rows = {"program": [], "floor": []}
failed = {"program": 0, "floor": 0}
for line in open(sys.argv[1]):
    label, *values = line.split()
    if values == ["failed"]:
        failed[label] += 1
    else:
        rows[label].append(tuple(float(v) for v in values))


def quartiles(values):
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], statistics.median(values), q[2]


med = {}
print(f"{'':20}{'mapped ms':>26}{'first frame ms':>26}{'peak RSS MiB':>16}")
print(f"{'':20}{'p25  median   p75':>26}{'p25  median   p75':>26}{'median':>16}")
for label, name in (("program", "QYFreeAmoretChart"), ("floor", "floor")):
    data = rows[label]
    if len(data) < 1:
        sys.exit(f"startup_bench: no successful {label} run")
    mapped = quartiles([d[0] for d in data])
    frame = quartiles([d[1] for d in data if d[1] >= 0])
    rss = statistics.median(d[2] for d in data) / 1024
    med[label] = (mapped[1], frame[1], rss)
    print(f"{name:20}{mapped[0]:10.1f}{mapped[1]:8.1f}{mapped[2]:8.1f}"
          f"{frame[0]:10.1f}{frame[1]:8.1f}{frame[2]:8.1f}{rss:16.1f}"
          f"   ({len(data)} runs, {failed[label]} failed)")
p, f = med["program"], med["floor"]
print(f"ratio program/floor: mapped {p[0] / f[0]:.3f}, first frame {p[1] / f[1]:.3f}, "
      f"peak memory {p[2] / f[2]:.3f}")
EOF
if [ -s "$work/errors" ]; then
    echo "startup_bench: messages from the runs:"
    sort "$work/errors" | uniq -c | head -20
fi
