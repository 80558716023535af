#!/usr/bin/env bash
# Whole-process wall time, CPU time and peak resident memory of `shrink2d-cli --list FILE` with
# every condition active, on files of 10^4, 10^5 and 10^6 random numbers (one a line); then the
# same lists under --tolerance 2 beside the plain pass; banker digits beside the same run without
# them on 10^7 numbers (BANKER_SIZE), the list saved to a file; and --history over past draws.
# Prints the medians of RUNS runs (default 9) after one warm-up run per size.
#   bench/cli_bench.sh [path/to/shrink2d-cli]      (default: build/bin/shrink2d-cli)
# Needs GNU time at /usr/bin/time (Debian package `time`) for the peak memory.
set -euo pipefail

cli=${1:-build/bin/shrink2d-cli}
runs=${RUNS:-9}
sizes=(${SIZES:-10000 100000 1000000})
history_sizes=(${HISTORY_SIZES:-25000 50000 100000 200000})
banker_size=${BANKER_SIZE:-10000000}
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

# measure, with standard output written to a file as a player saving the list would: the output
# costs what its size costs, where /dev/null would hide it.
measure_to_file() {
    local out=$1
    shift
    measure sh -c '"$@" >"$0"' "$out" "$@"
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

echo
echo "--tolerance 2 beside the plain pass on the same lists (ratio: tolerance / pass)"
printf '%-9s %9s %11s %10s %11s %10s %8s %8s\n' numbers survivors "pass wall" "pass CPU" "K=2 wall" "K=2 CPU" "wall x" "CPU x"
for n in "${sizes[@]}"; do
    file="$work/$n.txt"
    measure "$cli" --list "$file" "${conditions[@]}"
    pass_wall=$wall_us pass_cpu=$cpu_ms
    survivors=$("$cli" --list "$file" "${conditions[@]}" --tolerance 2 | tail -n 1 | tr -dc '0-9')
    measure "$cli" --list "$file" "${conditions[@]}" --tolerance 2
    awk -v n="$n" -v s="$survivors" -v pw="$pass_wall" -v pc="$pass_cpu" -v w="$wall_us" -v c="$cpu_ms" \
        'BEGIN { printf "%-9d %9d %11.1f %10d %11.1f %10d %8.2f %8.2f\n", n, s, pw / 1000, pc, w / 1000, c, w / pw, (pc > 0 ? c / pc : 0) }'
done
echo "goal: --tolerance 2 at most 1.5x the plain pass at 10^6 numbers"

echo
echo "banker digits beside the same run without them, $banker_size numbers, the list saved to a file"
banker_file="$work/banker-$banker_size.txt"
awk -v n="$banker_size" 'BEGIN { srand(20261208); for (i = 0; i < n; i++) printf "%02d\n", int(rand() * 100) }' >"$banker_file"
rows=(--kill-sum 3,9,15 --kill-tail 05 --kill-span 7)
printf '%-34s %9s %11s %10s %8s\n' run survivors "wall ms" "CPU ms" "wall x"
for banker in "" "--banker 13579"; do
    # shellcheck disable=SC2086 # $banker is one option and its value, or nothing
    survivors=$("$cli" --list "$banker_file" $banker "${rows[@]}" | tail -n 1 | tr -dc '0-9')
    # shellcheck disable=SC2086
    measure_to_file "$work/saved.txt" "$cli" --list "$banker_file" $banker "${rows[@]}"
    [ -z "$banker" ] && plain_wall=$wall_us
    awk -v name="${banker:-without --banker}" -v s="$survivors" -v w="$wall_us" -v c="$cpu_ms" -v p="$plain_wall" \
        'BEGIN { printf "%-34s %9d %11.1f %10d %8.2f\n", name, s, w / 1000, c, w / p }'
done
echo "goal: the --banker run at most 0.9x the run without it (fewer numbers survive to be written)"

echo
echo "--history with every group active (draws in mixed line forms, one a line)"
printf '%-9s %8s %7s %11s %10s %10s %12s\n' draws "file MiB" kept "wall ms" "CPU ms" "peak MiB" "wall ns/draw"
for n in "${history_sizes[@]}"; do
    file="$work/draws-$n.txt"
    awk -v n="$n" 'BEGIN { srand(20261207); print "# past draws"
        for (i = 0; i < n; i++) {
            d = int(rand() * 100)
            if (i % 3 == 0) printf "%d %02d\n", 2000000 + i, d
            else if (i % 3 == 1) printf "%d,%d,%d\r\n", 2000000 + i, int(d / 10), d % 10
            else printf "%02d\n", d
        } }' >"$file"
    kept=$("$cli" --history "$file" "${conditions[@]}" | awk '$1 == "kept" && NF == 2 { print $2 }')
    measure "$cli" --history "$file" "${conditions[@]}"
    awk -v n="$n" -v bytes="$(stat -c %s "$file")" -v k="$kept" -v w="$wall_us" -v c="$cpu_ms" -v p="$peak_kib" \
        'BEGIN { printf "%-9d %8.1f %7d %11.1f %10d %10.1f %12.0f\n", n, bytes / 1048576, k, w / 1000, c, p / 1024, w * 1000 / n }'
done
echo "goal at 10^5 draws: at most 50 ms whole process, growing linearly"

# What starting any process through the wrapper costs on this machine; every row includes it.
measure /bin/true
awk -v w="$wall_us" -v c="$cpu_ms" -v p="$peak_kib" \
    'BEGIN { printf "%-9s %8s %9s %11.1f %10d %10.1f\n", "/bin/true", "", "", w / 1000, c, p / 1024 }'
echo "goal at 10^6 numbers: at most 150 ms and 64 MiB, growing linearly"
