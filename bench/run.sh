#!/usr/bin/env bash
# Runs the benchmarks and prints their tables; it builds nothing (`make bench` builds first).
#   bench/run.sh [directory holding the programs]      (default: build/bin of this tree)
# Then runs bench/cli_bench.sh, when it is there and executable, on the command-line program.
# The Google Benchmark runs are kept short (the whole run takes about a minute here, three at
# most); for steadier figures run a program by hand, e.g. build/bin/bench_core
# --benchmark_min_time=2 --benchmark_repetitions=5.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/bin}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
tabular=--benchmark_counters_tabular=true

need() {
    [ -x "$bin/$1" ] || { echo "bench: no $1 in $bin (build first: make bench)" >&2; exit 1; }
}
need bench_core
need bench_window_click
need bench_startup

echo "== core filter pass (bench_core)"
"$bin/bench_core" --benchmark_min_time=0.5 "$tabular"
echo
echo "== the filter click in the window (bench_window_click)"
"$bin/bench_window_click" --benchmark_min_time=0.2 "$tabular"
echo
echo "== window start-up (bench_startup)"
"$bin/bench_startup"

if [ -x "$here/cli_bench.sh" ]; then
    echo
    echo "== command line (bench/cli_bench.sh)"
    "$here/cli_bench.sh" "$bin/shrink2d-cli"
fi
