#!/usr/bin/env bash
# The Linux build beside the Windows build under Wine: shrink2d-cli on a list of 10^6 random
# numbers with every condition active (whole process, median wall time of RUNS runs), the
# program's start alone (--version), and the core pass alone (bench_pass_timer).
#   bench/windows_bench.sh [linux build folder] [windows build folder]
# (default: build and build-windows; make windows builds the second)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
linux=$(realpath "${1:-$root/build}")/bin
windows=$(realpath "${2:-$root/build-windows}")
runs=${RUNS:-9}
export WINEDEBUG=-all WINEPREFIX=$windows/wine-prefix
for program in "$linux/shrink2d-cli" "$linux/bench_pass_timer" "$windows/bin/shrink2d-cli.exe" \
    "$windows/bin/bench_pass_timer.exe"; do
    [ -f "$program" ] || { echo "windows_bench: no $program (build first)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
list=$work/numbers.txt
awk 'BEGIN { srand(20240611); for (i = 0; i < 1000000; i++) printf "%02d\n", int(rand() * 100) }' >"$list"
conditions=(--banker 1234567 --kill-sum 0,18 --kill-tail 5 --kill-span 9 --kill-road 00,22
            --parity 偶偶 --parity-mode kill --parity-size EB,ES,OB --size-parity BE,SE,BO
            --parity-size-mode fix --size 大大 --size-mode kill)

now_us() { local t=${EPOCHREALTIME/[.,]/}; echo "$t"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The median wall time in milliseconds of RUNS runs after one warm-up, output to a file.
wall_ms() {
    "$@" >"$work/out"
    for _ in $(seq "$runs"); do
        local start=$(now_us)
        "$@" >"$work/out"
        echo $(($(now_us) - start))
    done | median | awk '{ printf "%.1f", $1 / 1000 }'
}

wine wineboot -u >/dev/null 2>&1 || true # the prefix ready, so no run pays for it
printf '%-44s %12s %12s\n' "median of $runs runs" "Linux ms" "Wine ms"
printf '%-44s %12s %12s\n' "shrink2d-cli --version (start and exit)" \
    "$(wall_ms "$linux/shrink2d-cli" --version)" \
    "$(wall_ms wine "$windows/bin/shrink2d-cli.exe" --version)"
printf '%-44s %12s %12s\n' "shrink2d-cli --list (10^6 numbers, all rows)" \
    "$(wall_ms "$linux/shrink2d-cli" --list "$list" "${conditions[@]}")" \
    "$(wall_ms wine "$windows/bin/shrink2d-cli.exe" --list "$list" "${conditions[@]}")"
cmp -s <("$linux/shrink2d-cli" --list "$list" "${conditions[@]}") \
    <(wine "$windows/bin/shrink2d-cli.exe" --list "$list" "${conditions[@]}") ||
    { echo "windows_bench: the two builds' outputs differ" >&2; exit 1; }
core() { "$@" | sed -n 's/.*: \([0-9.]*\) ms.*/\1/p'; }
printf '%-44s %12s %12s\n' "core pass alone (10^6 numbers, in process)" \
    "$(core "$linux/bench_pass_timer")" "$(core wine "$windows/bin/bench_pass_timer.exe")"
printf '%-44s %12s\n' "shrink2d-cli.exe size (bytes)" "$(stat -c %s "$windows/bin/shrink2d-cli.exe")"
