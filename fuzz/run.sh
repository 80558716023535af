#!/usr/bin/env bash
# Runs every fuzz target for a while on a scratch copy of its seed corpus, so the repository's
# corpus stays as committed.
#   fuzz/run.sh [SECONDS] [BIN_DIR]    (defaults: 60 and build-fuzz/bin)
# Fails when a target crashes, a sanitizer reports or a property check aborts; the failing input
# is left in the scratch directory, which is then kept and named.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
bin_dir=${2:-$repo/build-fuzz/bin}

if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "fuzz/run.sh: SECONDS must be a positive whole number, not '$seconds'" >&2
    exit 2
fi
if [ ! -d "$bin_dir" ]; then
    echo "fuzz/run.sh: no binary directory $bin_dir (build with: cmake --preset fuzz && cmake --build --preset fuzz)" >&2
    exit 2
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/shrink2d-fuzz.XXXXXX")
failed=()
ran=0

# Each seed corpus directory fuzz/corpus/NAME belongs to the target fuzz_NAME.
for corpus in "$repo"/fuzz/corpus/*/; do
    name=$(basename "$corpus")
    target=fuzz_$name
    binary=$bin_dir/$target
    if [ ! -x "$binary" ]; then
        echo "$target: not built in $bin_dir" >&2
        failed+=("$target")
        continue
    fi

    work=$scratch/$name
    mkdir -p "$work/corpus" "$work/artifacts"
    cp -R "$corpus"/. "$work/corpus/"
    log=$work/fuzz.log
    echo "$target: fuzzing for $seconds s"
    options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/artifacts/")
    # A target's dictionary of words worth splicing in, fuzz/NAME.dict, when it has one.
    [ -f "$repo/fuzz/$name.dict" ] && options+=(-dict="$repo/fuzz/$name.dict")
    status=0
    "$binary" "$work/corpus" "${options[@]}" >"$log" 2>&1 || status=$?
    ran=$((ran + 1))

    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    echo "$target: ${executions:-?} executions, ${rate:-?} exec/s"

    if [ "$status" -ne 0 ]; then
        failed+=("$target")
        echo "$target: FAILED (exit $status); the end of its log:" >&2
        tail -n 40 "$log" >&2
        for artifact in "$work"/artifacts/*; do
            [ -e "$artifact" ] || continue
            echo "$target: failing input $artifact (reproduce: $binary $artifact)" >&2
            echo "$target: failing input as hex: $(od -An -tx1 -v "$artifact" | tr -d ' \n')" >&2
        done
    fi
done

if [ "$ran" -eq 0 ] && [ ${#failed[@]} -eq 0 ]; then
    echo "fuzz/run.sh: no seed corpus under $repo/fuzz/corpus" >&2
    exit 2
fi
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz/run.sh: failed: ${failed[*]}; logs and inputs kept in $scratch" >&2
    exit 1
fi
rm -rf "$scratch"
