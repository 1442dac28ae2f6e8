#!/usr/bin/env bash
# The work and the memory up to the first frame, for the program and both
# floors, in figures that the machine's load does not move:
#   bench/first_frame_counts.sh [build-dir]      (default build-bench)
# Environment:
#   START=later (default: the usual start) or first: as in startup_bench.sh
#   RUNS=<n>    plain runs per program for the peak memory (default 5)
#   CALLGRIND_RUNS=<n>  runs under callgrind per program (default 3)
#   KEEP=<dir>  keeps the first callgrind profiles there, for callgrind_annotate:
#               callgrind.<name>.out.1 up to the show, callgrind.<name>.out after
# Each program runs under one private Xvfb with first_frame_exit preloaded,
# which ends it as soon as its first frame has gone out: CALLGRIND_RUNS times
# under callgrind (instructions executed, all threads, from the first
# instruction of the process to the window's show, and from there to the
# first frame), and RUNS times plainly for the peak resident memory (VmHWM)
# at that frame. The medians are the figures; the program's banner is drawn
# at random, so its counts vary by a little. Every run gets a fresh XDG_RUNTIME_DIR and,
# for a first start, a fresh HOME and XDG_CONFIG_HOME.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

build=${1:-build-bench}
start=${START:-later}
runs=${RUNS:-5}
callgrind_runs=${CALLGRIND_RUNS:-3}
case "$start" in
first | later) ;;
*)
    echo "first_frame_counts: START must be first or later" >&2
    exit 2
    ;;
esac
command -v valgrind >/dev/null || {
    echo "first_frame_counts: valgrind is missing (apt-get install valgrind)" >&2
    exit 2
}
probe=$(readlink -f "$build/bench/libfirst_frame_exit.so")
watch=$build/bench/map_watch
declare -A programs=([QYFreeAmoretChart]=$build/shell/QYFreeAmoretChart
    [design_floor]=$build/bench/design_floor [floor]=$build/bench/floor)
for exe in "$probe" "$watch" "${programs[@]}"; do
    [ -x "$exe" ] || [ -f "$exe" ] || {
        echo "first_frame_counts: $exe is missing; build with -DQYAC_BUILD_BENCH=ON" >&2
        exit 2
    }
done

work=$(mktemp -d)
xvfb_pid=
bus_pid=
cleanup() {
    for pid in $xvfb_pid $bus_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=bench/private_xvfb.sh
source bench/private_xvfb.sh
start_private_xvfb "$work" "$watch"

# run <name> <log> <command...>: one run in folders of its own; the probe's
# report and valgrind's go to <log>.
run() {
    local name=$1 log=$2 dir
    shift 2
    if [ "$start" = later ]; then
        dir=$work/home-$name
    else
        dir=$(mktemp -d "$work/run.XXXXXX")
    fi
    mkdir -p "$dir/home" "$dir/config" "$dir/runtime"
    chmod 0700 "$dir" "$dir/home" "$dir/config" "$dir/runtime"
    rm -rf "${dir:?}/runtime/"*
    HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir/runtime" \
        LD_PRELOAD="$probe" "$@" >/dev/null 2>"$log" || true
    [ "$start" = later ] || rm -rf "$dir"
}

kib() { sed -n 's/^first_frame_exit: VmHWM \([0-9]*\) kB.*/\1/p' "$1"; }

names=(QYFreeAmoretChart design_floor floor)
echo "first_frame_counts: $start start; Xvfb on $DISPLAY;" \
    "$callgrind_runs runs under callgrind and $runs plain runs each"
for name in "${names[@]}"; do
    exe=${programs[$name]}
    # A later start reads what a first start wrote.
    settings=$work/home-$name/config/$(basename "$exe").ini
    if [ "$start" = later ]; then
        run "$name" "$work/warm-up.log" "$exe"
        written=$(stat -c %y "$settings" 2>/dev/null || true)
    fi
    : >"$work/$name.instructions"
    for ((i = 0; i < callgrind_runs; i++)); do
        out=$work/callgrind.$name.$i.out
        run "$name" "$work/callgrind.log" valgrind --tool=callgrind --callgrind-out-file="$out" \
            "$exe"
        # The part up to the show was dumped to .1 as the window was shown.
        if ! grep -q '^first_frame_exit:' "$work/callgrind.log" || ! [ -f "$out.1" ]; then
            echo "first_frame_counts: $name showed no first frame under callgrind:" >&2
            cat "$work/callgrind.log" >&2
            exit 1
        fi
        echo "$(sed -n 's/^totals: //p' "$out.1") $(sed -n 's/^totals: //p' "$out")" \
            >>"$work/$name.instructions"
    done
    : >"$work/$name.kib"
    for ((i = 0; i < runs; i++)); do
        run "$name" "$work/plain.log" "$exe"
        kib "$work/plain.log" >>"$work/$name.kib"
    done
    # The program records the day; the floors keep no settings.
    if [ "$start" = later ] && [ "$name" = QYFreeAmoretChart ]; then
        if [ -z "$written" ] || [ "$(stat -c %y "$settings")" != "$written" ]; then
            echo "first_frame_counts: no day recorded by the warm-up, or written again since:" \
                "the runs were no usual starts" >&2
            exit 1
        fi
        echo "first_frame_counts: the warm-up recorded the day; the counted runs wrote nothing"
    fi
    if [ -n "${KEEP:-}" ]; then
        mkdir -p "$KEEP"
        cp "$work/callgrind.$name.0.out" "$KEEP/callgrind.$name.out"
        cp "$work/callgrind.$name.0.out.1" "$KEEP/callgrind.$name.out.1"
    fi
done

python3 - "$work" "$start" "${names[@]}" <<'PYTHON'
import statistics
import sys

work, start, *names = sys.argv[1:]


def numbers(path):
    return [[int(v) for v in line.split()] for line in open(path) if line.strip()]


# Instructions up to the show, and from the show to the first frame.
counts = {n: numbers(f"{work}/{n}.instructions") for n in names}
shown = {n: statistics.median(c[0] for c in counts[n]) for n in names}
frame = {n: statistics.median(c[0] + c[1] for c in counts[n]) for n in names}
kib = {n: [v[0] for v in numbers(f"{work}/{n}.kib")] for n in names}
for n in names:
    if not kib[n]:
        sys.exit(f"first_frame_counts: no plain run of {n} reached its first frame")
peak = {n: statistics.median(kib[n]) for n in names}
print(f"{'':20}{'instructions to show':>22}{'to first frame':>16}{'peak RSS MiB':>14}{'min-max':>13}")
for n in names:
    spread = f"{min(kib[n]) / 1024:.2f}-{max(kib[n]) / 1024:.2f}"
    print(f"{n:20}{shown[n] / 1e6:21.1f}M{frame[n] / 1e6:15.1f}M{peak[n] / 1024:14.2f}{spread:>13}")
program = names[0]
for floor in names[1:]:
    print(f"ratio program/{floor}, {start} start: instructions to show "
          f"{shown[program] / shown[floor]:.3f}, to first frame "
          f"{frame[program] / frame[floor]:.3f}, peak memory at first frame "
          f"{peak[program] / peak[floor]:.3f}")
PYTHON
