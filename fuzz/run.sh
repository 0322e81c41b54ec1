#!/usr/bin/env bash
# Runs the fuzz targets for longer than the tests' single replay.
#   fuzz/run.sh [seconds per target] [target ...]    (default: 600, all three)
# Needs the fuzz build:
#   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBELVANE_FUZZ=ON && cmake --build build-fuzz
# New inputs go to build-fuzz/fuzz/work/<target>/ (the committed seeds stay
# as they are); a crashing input is written to build-fuzz/fuzz/crash/<target>/
# and belongs in fuzz/corpus/<target>/ once fixed. Targets run one after
# another; set FUZZ_JOBS=2 to run two at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
secondi=${1:-600}
shift || true
bersagli=("$@")
[ ${#bersagli[@]} -gt 0 ] || bersagli=(midi wav soundfont)
build=${BUILD_FUZZ:-build-fuzz}
lavori=${FUZZ_JOBS:-1}

corri() {
    local t=$1
    mkdir -p "$build/fuzz/work/$t" "$build/fuzz/crash/$t"
    local esito=0
    "$build/fuzz/fuzz_$t" "$build/fuzz/work/$t" "fuzz/corpus/$t" -max_total_time="$secondi" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz/crash/$t/" >"$build/fuzz/$t.log" 2>&1 || esito=$?
    echo "fuzz_$t: exit $esito; $(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$build/fuzz/$t.log" | tail -1)"
    grep -E '^stat::number_of_executed_units' "$build/fuzz/$t.log" || true
    return $esito
}

esito=0
pids=()
for t in "${bersagli[@]}"; do
    corri "$t" &
    pids+=($!)
    if [ ${#pids[@]} -ge "$lavori" ]; then
        wait "${pids[0]}" || esito=1
        pids=("${pids[@]:1}")
    fi
done
for p in "${pids[@]}"; do wait "$p" || esito=1; done
exit $esito
