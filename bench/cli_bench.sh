#!/usr/bin/env bash
# Whole-process wall time, CPU time and peak resident memory of `shrink2d-cli --list FILE` with
# every condition active, on files of 10^4, 10^5 and 10^6 random numbers (one a line). Prints
# the medians of RUNS runs (default 9) after one warm-up run per size.
#   bench/cli_bench.sh [path/to/shrink2d-cli]      (default: build/bin/shrink2d-cli)
# Needs GNU time at /usr/bin/time (Debian package `time`) for the peak memory.
set -euo pipefail

cli=${1:-build/bin/shrink2d-cli}
runs=${RUNS:-9}
sizes=(${SIZES:-10000 100000 1000000})
[ -x "$cli" ] || { echo "cli_bench: no program at $cli (build it first)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "cli_bench: needs /usr/bin/time (apt-get install time)" >&2; exit 1; }
[ -n "${EPOCHREALTIME:-}" ] || { echo "cli_bench: needs bash 5 (EPOCHREALTIME)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every row of every page in use, chosen so that some numbers survive all of them.
conditions=(--banker 1234567 --kill-sum 0,18 --kill-tail 5 --kill-span 9 --kill-road 00,22
            --parity 偶偶 --parity-mode kill --parity-size EB,ES,OB --size-parity BE,SE,BO
            --parity-size-mode fix --size 大大 --size-mode kill)

# Microseconds since the epoch, without starting a process.
now_us() { local t=${EPOCHREALTIME/[.,]/}; echo "$t"; }

# User plus system time of all finished children of this shell, in milliseconds, from the
# output of `times` saved in a file: inside $(...) it would report a subshell instead.
children_cpu_ms() {
    awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/); printf "%d", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1000 + 0.5 }' "$1"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Runs the command RUNS times through the measuring wrapper; leaves the medians of wall time (us),
# CPU time (ms) and peak resident memory (KiB) in wall_us, cpu_ms and peak_kib.
measure() {
    : >"$work/walls"
    : >"$work/cpus"
    : >"$work/peaks"
    for _ in $(seq "$runs"); do
        times >"$work/cpu-before"
        local start=$(now_us)
        /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null
        local end=$(now_us)
        times >"$work/cpu-after"
        echo $((end - start)) >>"$work/walls"
        echo $(($(children_cpu_ms "$work/cpu-after") - $(children_cpu_ms "$work/cpu-before"))) >>"$work/cpus"
        tail -n 1 "$work/rss" >>"$work/peaks"
    done
    wall_us=$(median <"$work/walls")
    cpu_ms=$(median <"$work/cpus")
    peak_kib=$(median <"$work/peaks")
}

# Wall time is what a user waits for, but on a shared machine it also holds the time spent
# waiting for a core; CPU time (user + system, of the program and the wrapper) does not.
printf '%-9s %8s %9s %11s %10s %10s %11s\n' numbers "file MiB" survivors "wall ms" "CPU ms" "peak MiB" "wall ns/no"
for n in "${sizes[@]}"; do
    file="$work/$n.txt"
    awk -v n="$n" 'BEGIN { srand(20240611); for (i = 0; i < n; i++) printf "%02d\n", int(rand() * 100) }' >"$file"
    survivors=$("$cli" --list "$file" "${conditions[@]}" | tail -n 1 | tr -dc '0-9')
    "$cli" --list "$file" "${conditions[@]}" >/dev/null # warm-up: file in the page cache
    measure "$cli" --list "$file" "${conditions[@]}"
    awk -v n="$n" -v bytes="$(stat -c %s "$file")" -v s="$survivors" -v w="$wall_us" -v c="$cpu_ms" -v p="$peak_kib" \
        'BEGIN { printf "%-9d %8.1f %9d %11.1f %10d %10.1f %11.0f\n", n, bytes / 1048576, s, w / 1000, c, p / 1024, w * 1000 / n }'
done
# What starting any process through the wrapper costs on this machine; every row includes it.
measure /bin/true
awk -v w="$wall_us" -v c="$cpu_ms" -v p="$peak_kib" \
    'BEGIN { printf "%-9s %8s %9s %11.1f %10d %10.1f\n", "/bin/true", "", "", w / 1000, c, p / 1024 }'
echo "goal at 10^6 numbers: at most 150 ms and 64 MiB, growing linearly"
