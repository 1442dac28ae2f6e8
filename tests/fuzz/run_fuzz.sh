#!/usr/bin/env bash
# Builds the engine's fuzz target with clang's libFuzzer and runs it for a
# bounded time. Exit 77 (skipped) where clang or libFuzzer is missing.
#   run_fuzz.sh <repo root> <work dir> [seconds]
set -euo pipefail
root=$1
work=$2
seconds=${3:-20}
command -v clang++ >/dev/null || { echo "clang++ missing: skipped"; exit 77; }
mkdir -p "$work/corpus"
probe="$work/probe.cpp"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe"
clang++ -fsanitize=fuzzer "$probe" -o "$work/probe" 2>/dev/null || { echo "libFuzzer missing: skipped"; exit 77; }

clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/engine" "$root/tests/fuzz/reading_fuzz.cpp" "$root"/engine/*.cpp -o "$work/reading_fuzz"
printf '5 March 1975' >"$work/corpus/date"
printf 'Mei\n5\nMarch\n1975' >"$work/corpus/reading"
printf '29 February 1960' >"$work/corpus/leap"
status=0
(cd "$work" && ./reading_fuzz -max_total_time="$seconds" -max_len=256 -print_final_stats=1 corpus) \
    >"$work/fuzz.log" 2>&1 || status=$?
grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$work/fuzz.log" || true
[ "$status" -eq 0 ] || { tail -40 "$work/fuzz.log"; exit "$status"; }
