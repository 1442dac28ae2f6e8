#!/usr/bin/env bash
# Start-up of the program against the two floor programs, under one private Xvfb:
#   bench/startup_bench.sh [build-dir]        (default build-bench)
# Environment:
#   MODE=warm   (default) the files the programs read stay in the page cache
#   MODE=cold   the page cache is dropped (sync; echo 3 > /proc/sys/vm/drop_caches)
#               before every run; needs root, and is skipped with a message
#               where the cache cannot be dropped
#   START=later (default) the usual start: every run but the warm-up finds
#               the day the warm-up recorded, within the last fortnight, so
#               the program asks nothing and writes nothing; checked at the
#               end against the settings file itself
#   START=first every run meets a first start: no settings, no lock; the
#               program records the day before its main window
#   RUNS=<n>    runs per program, the first a warm-up that is not counted
#               (default 31 warm, 11 cold)
# Runs go round program, design floor, floor, program, ... The floor is the
# least Qt Widgets program with a window of the same size and inputs; the
# design floor shows the main window as designed, by hand (design_floor.cpp).
# Every run gets a fresh XDG_RUNTIME_DIR (mode 0700) and, for a first start,
# a fresh HOME and XDG_CONFIG_HOME. HOME and XDG_CONFIG_HOME lie on the disk
# as a home folder does; XDG_RUNTIME_DIR lies on tmpfs (/dev/shm) as
# /run/user/<uid> does on a desktop. map_watch (map_watch.cpp) times each run from fork to the X
# server mapping the window titled "QY Amoret Chart v1.0", and to the first
# drawing into it, and reads the peak resident memory (VmHWM) before it ends
# the program.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

build=${1:-build-bench}
mode=${MODE:-warm}
start=${START:-later}
case "$mode" in
warm) runs=${RUNS:-31} ;;
cold) runs=${RUNS:-11} ;;
*)
    echo "startup_bench: MODE must be warm or cold" >&2
    exit 2
    ;;
esac
case "$start" in
first | later) ;;
*)
    echo "startup_bench: START must be first or later" >&2
    exit 2
    ;;
esac
program=$build/shell/QYFreeAmoretChart
design_floor=$build/bench/design_floor
floor=$build/bench/floor
watch=$build/bench/map_watch
for exe in "$program" "$design_floor" "$floor" "$watch"; do
    [ -x "$exe" ] || {
        echo "startup_bench: $exe is missing; build with -DQYAC_BUILD_BENCH=ON" >&2
        exit 2
    }
done
((runs >= 2)) || {
    echo "startup_bench: RUNS must be at least 2" >&2
    exit 2
}

drop_page_cache() {
    sync && { echo 3 >/proc/sys/vm/drop_caches; } 2>/dev/null
}
if [ "$mode" = cold ]; then
    if [ "$(id -u)" -ne 0 ] || ! drop_page_cache; then
        echo "startup_bench: cold start skipped: dropping the page cache needs root" \
            "(sync; echo 3 > /proc/sys/vm/drop_caches)"
        exit 0
    fi
fi

work=$(mktemp -d)
runtime_root=$work
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    runtime_root=$(mktemp -d /dev/shm/qyac-bench.XXXXXX)
fi
xvfb_pid=
bus_pid=
cleanup() {
    for pid in $xvfb_pid $bus_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work" "$runtime_root"
}
trap cleanup EXIT

# shellcheck source=bench/private_xvfb.sh
source bench/private_xvfb.sh
start_private_xvfb "$work" "$watch"

one_run() { # label executable run-number
    local dir runtime line
    if [ "$start" = later ]; then
        # One home per program for all its runs: the warm-up's first start
        # writes the settings that the counted runs read.
        dir=$work/home-$1
        [ -d "$dir" ] || mkdir -m 0700 "$dir" "$dir/home" "$dir/config"
    else
        dir=$(mktemp -d "$work/run.XXXXXX")
        mkdir -m 0700 "$dir/home" "$dir/config"
    fi
    runtime=$(mktemp -d "$runtime_root/run.XXXXXX")
    chmod 0700 "$runtime"
    [ "$mode" = warm ] || drop_page_cache
    # In English whatever the session's language: map_watch knows the window
    # by its English caption.
    if line=$(LANGUAGE=en HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$runtime" \
        "$watch" -- "$2" 2>>"$work/errors"); then
        [ "$3" -eq 0 ] || echo "$1 $3 $line" >>"$work/results"
    else
        echo "$1 $3 failed" >>"$work/results"
    fi
    if [ "$start" = later ] && [ "$1" = program ] && [ "$3" -eq 0 ]; then
        # What the warm-up wrote, to the nanosecond: a later write shows.
        stat -c %y "$settings" >"$work/settings-written" 2>/dev/null || true
    fi
    [ "$start" = later ] || rm -rf "$dir"
    rm -rf "$runtime"
}

# Where the program keeps its settings (QSettings, INI format, named after
# the executable) in a later start's home.
settings=$work/home-program/config/$(basename "$program").ini

echo "startup_bench: $mode, $start start; Xvfb on $DISPLAY;" \
    "$runs runs each (first one a warm-up), interleaved"
for ((i = 0; i < runs; i++)); do
    one_run program "$program" "$i"
    one_run design_floor "$design_floor" "$i"
    one_run floor "$floor" "$i"
done

if [ "$start" = later ]; then
    if ! grep -qs '^\[Settings\]' "$settings" || ! [ -s "$work/settings-written" ]; then
        echo "startup_bench: the warm-up recorded no day in $settings: no later start was timed" >&2
        exit 1
    fi
    if [ "$(stat -c %y "$settings")" != "$(cat "$work/settings-written")" ]; then
        echo "startup_bench: a counted run wrote $settings again: it was no usual start" >&2
        exit 1
    fi
    echo "startup_bench: the warm-up recorded the day in $(basename "$settings");" \
        "the counted runs found it and wrote nothing"
fi

python3 - "$work/results" "$mode" "$start" <<'PYTHON'
import random
import statistics
import sys

path, mode, start = sys.argv[1:4]
names = {"program": "QYFreeAmoretChart", "design_floor": "design_floor", "floor": "floor"}
runs = {label: {} for label in names}
failed = {label: 0 for label in names}
for line in open(path):
    label, run, *values = line.split()
    if values == ["failed"]:
        failed[label] += 1
    else:
        runs[label][int(run)] = tuple(float(v) for v in values)
for label in runs:
    if not runs[label]:
        sys.exit(f"startup_bench: no successful {label} run")


def quartiles(values):
    if len(values) < 2:
        return values[0], values[0], values[0]
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], statistics.median(values), q[2]


columns = ("mapped ms", "first frame ms", "peak RSS MiB")
scale = (1.0, 1.0, 1 / 1024)
print(f"{'':20}" + "".join(f"{c:>26}" for c in columns))
print(f"{'':20}" + f"{'p25  median   p75':>26}" * 3)
for label, name in names.items():
    data = list(runs[label].values())
    row = f"{name:20}"
    for k in range(3):
        q = quartiles([d[k] * scale[k] for d in data if d[k] >= 0])
        row += f"{q[0]:10.1f}{q[1]:8.1f}{q[2]:8.1f}"
    print(row + f"   ({len(data)} runs, {failed[label]} failed)")

# The ratio of the medians, with a 95 % interval from resampling the rounds
# of neighbouring runs (bootstrap), so that a burst of load elsewhere on the
# machine weighs on both sides of a ratio alike.
rng = random.Random(16)
for floor in ("design_floor", "floor"):
    pairs = sorted(set(runs["program"]) & set(runs[floor]))
    summary = []
    for k, name in enumerate(("mapped", "first frame", "peak memory")):
        ok = [i for i in pairs if runs["program"][i][k] >= 0 and runs[floor][i][k] >= 0]
        if not ok:
            continue

        def ratio(sample):
            return (statistics.median(runs["program"][i][k] for i in sample) /
                    statistics.median(runs[floor][i][k] for i in sample))

        boot = sorted(ratio(rng.choices(ok, k=len(ok))) for _ in range(2000))
        summary.append(f"{name} {ratio(ok):.3f} ({boot[49]:.2f}-{boot[1949]:.2f})")
    print(f"ratio program/{floor}, {mode} {start} start, median (95 % interval): " +
          ", ".join(summary))
PYTHON
if [ -s "$work/errors" ]; then
    echo "startup_bench: messages from the runs:"
    sort "$work/errors" | uniq -c | head -20
fi
