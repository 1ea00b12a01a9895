#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks optimised in a build of their own (build-bench), runs them
# one after another and ends with a table of their ratios. Fails when any benchmark fails (each checks that
# the work it timed came out right) or prints no ratio. The test run (scripts/test.sh) runs no benchmark.
# Usage: scripts/bench.sh [BENCHMARK...]   (default: every bench_* of bench/CMakeLists.txt)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

if [ $# -gt 0 ]; then
    benches=("$@")
else
    mapfile -t benches < <(sed -n 's/^add_executable(\(bench_[a-z0-9_]*\) .*/\1/p' bench/CMakeLists.txt)
fi

build="build-bench"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_BENCH=ON
cmake --build "$build" -j "$(nproc)" --target "${benches[@]}"

export QT_QPA_PLATFORM=offscreen
logs="$build/bench-logs"
mkdir -p "$logs"
declare -A verdict
for bench in "${benches[@]}"; do
    echo "=== $bench"
    log="$logs/$bench.log"
    status=0
    # A hung benchmark fails instead of holding up the run.
    timeout 1800 "$build/bench/$bench" 2>&1 | tee "$log" || status=${PIPESTATUS[0]}
    if [ "$status" -ne 0 ]; then
        verdict[$bench]="exit $status. $(grep -m 1 'FAILED' "$log" || true)"
    elif ! grep -q '^ratio: ' "$log"; then
        verdict[$bench]="no ratio line"
    fi
done

# Each benchmark's "ratio: <name> <value> (<meaning>)" lines.
echo
row() { printf '%-24s %-30s %10s  %s\n' "$@"; }
row benchmark ratio value meaning
failed=0
for bench in "${benches[@]}"; do
    if [ -n "${verdict[$bench]:-}" ]; then
        row "$bench" - FAILED "${verdict[$bench]}"
        failed=1
        continue
    fi
    grep '^ratio: ' "$logs/$bench.log" | while read -r _ name value meaning; do
        row "$bench" "$name" "$value" "$meaning"
    done
done

if [ "$failed" -ne 0 ]; then
    echo "Some benchmarks failed; their output is in $logs."
    exit 1
fi
