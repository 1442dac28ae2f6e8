#!/usr/bin/env bash
# Every benchmark in one command, from the top of the repository:
#   bench/run_all.sh
# Installs what is missing (apt-get, through sudo when not root), configures
# a Release build with the benchmarks in build-bench/, builds it, then prints
# the machine, the in-process benchmarks (offscreen platform), the work and
# peak memory up to the first frame (callgrind; the machine's load does not
# move them), the start-up benchmark warm and cold (under Xvfb), all against
# the two floors (the least window, and the main window as designed), and the
# memory over a hundred readings. The start that counts is the one a user has
# on most days: the day was recorded within the last fortnight, so the
# program asks nothing and writes nothing (START=later); a first start is
# measured beside it. The headline at the end holds both against the design
# floor, with the load average. Takes about ten minutes after the build.
# RUNS=<n> and COLD_RUNS=<n> set the start-up runs per program (default 101
# and 11, the first of each a warm-up): 101 warm runs hold a ratio to about
# ±2 %, the least that can tell a 3 % difference. The cold runs need root
# and are skipped otherwise, and COLD_RUNS=0 skips them on a machine shared
# with others, whose page cache they would empty too. Not part of ./dev test.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

PACKAGES=(cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev fonts-dejavu-core
          libbenchmark-dev libx11-dev
          libxdamage-dev xvfb python3 valgrind dbus-daemon)
missing=()
for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "run_all: installing ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

build=build-bench # the bench preset's folder (CMakePresets.json)
cmake --preset bench >/dev/null
cmake --build --preset bench --parallel "$(nproc)" >/dev/null

echo "== Machine"
echo "cpus: $(nproc), $(lscpu | sed -n 's/^Model name: *//p' | head -1)"
echo "memory: $(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)"
echo "kernel: $(uname -r), Qt: $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null)"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "load average before: $load_before"
echo

# The benchmarks get folders of their own, so nothing of the user's is read
# or written.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 0700 "$scratch/home" "$scratch/config" "$scratch/runtime"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"

# Repetitions in random order, so that a burst of load from elsewhere on the
# machine spreads over all of them; the median is the figure to read.
echo "== In-process benchmarks (offscreen platform)"
QT_QPA_PLATFORM=offscreen "$build/bench/inprocess_bench" --benchmark_repetitions=5 \
    --benchmark_min_time=0.2 --benchmark_enable_random_interleaving=true \
    --benchmark_display_aggregates_only=true
echo

# A process clicks for the first time only once: the cold first click is
# taken from fresh processes.
echo "== First click to painted result window, in fresh processes"
first=()
for _ in $(seq 7); do
    first+=("$(QT_QPA_PLATFORM=offscreen "$build/bench/inprocess_bench" \
        --benchmark_filter=BM_ClickToPaintedResult --benchmark_min_time=0.05 2>/dev/null |
        sed -n 's/.*first_click_ms=\([0-9.]*\).*/\1/p')")
done
python3 -c '
import statistics, sys
v = sorted(float(x) for x in sys.argv[1:])
print("first click ms: median %.2f, min %.2f, max %.2f (%d processes)"
      % (statistics.median(v), v[0], v[-1], len(v)))' "${first[@]}"
echo

# Each section's output is kept for the headline.
echo "== Up to the first frame under Xvfb: instructions (callgrind) and peak memory, usual start"
START=later bench/first_frame_counts.sh "$build" | tee "$scratch/counts.later"
echo
echo "== The same, first start"
START=first bench/first_frame_counts.sh "$build" | tee "$scratch/counts.first"
echo

echo "== Start-up under Xvfb: program against both floors, warm, usual start"
MODE=warm START=later RUNS=${RUNS:-101} bench/startup_bench.sh "$build" | tee "$scratch/warm.later"
echo
echo "== Start-up under Xvfb: program against both floors, warm, first start"
MODE=warm START=first RUNS=${RUNS:-101} bench/startup_bench.sh "$build" | tee "$scratch/warm.first"
echo
if [ "${COLD_RUNS:-11}" != 0 ]; then
    echo "== Start-up under Xvfb: program against both floors, cold (page cache dropped before each run), usual start"
    MODE=cold START=later RUNS=${COLD_RUNS:-11} bench/startup_bench.sh "$build"
    echo
fi

# The program sets Qt's pixmap cache to 1 MiB (shell/run_application.cpp);
# Qt's default of 10 MiB is shown for comparison.
echo "== Memory over 100 reading -> Back cycles (offscreen platform), pixmap cache 1 MiB as the program"
QT_QPA_PLATFORM=offscreen "$build/bench/memory_cycles"
echo
echo "== The same with Qt's default pixmap cache (10 MiB)"
QT_QPA_PLATFORM=offscreen "$build/bench/memory_cycles" --pixmap-cache-kib 10240
echo

# ratio <file>: a section's ratio line against the design floor, without its label.
ratio() { sed -n 's|^ratio program/design_floor, [^:]*: *||p' "$1"; }
echo "== Headline: the program against the design floor (program/design_floor)"
echo "usual start, warm, median (95 % interval):   $(ratio "$scratch/warm.later")"
echo "first start, warm, median (95 % interval):   $(ratio "$scratch/warm.first")"
echo "usual start, to the first frame:             $(ratio "$scratch/counts.later")"
echo "first start, to the first frame:             $(ratio "$scratch/counts.first")"
echo "load average before: $load_before; after: $(cut -d' ' -f1-3 /proc/loadavg)"
