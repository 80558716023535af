#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted, then runs clang-tidy over the sources.
#   scripts/lint.sh [--format-only]
# clang-tidy reads the compile commands of a build directory of its own (LINT_BUILD_DIR, default
# build-lint/), configured with the default options the first time so the Qt sources are in it.
set -euo pipefail
cd "$(dirname "$0")/.."

format_only=false
case "${1:-}" in
    "") ;;
    --format-only) format_only=true ;;
    *) echo "usage: scripts/lint.sh [--format-only]" >&2; exit 2 ;;
esac

pick_tool() {
    local name
    for name in "$@"; do
        if command -v "$name" >/dev/null 2>&1; then echo "$name"; return; fi
    done
    echo "scripts/lint.sh: none of $* found (make lint installs them)" >&2
    exit 2
}
clang_format=${CLANG_FORMAT:-$(pick_tool clang-format clang-format-14)}
clang_tidy=${CLANG_TIDY:-$(pick_tool clang-tidy clang-tidy-14)}

# The same file list as `make format`, less files deleted in the working tree.
files=()
while IFS= read -r file; do
    [ -f "$file" ] && files+=("$file")
done < <(git ls-files '*.cpp' '*.h')

drift=()
for file in "${files[@]}"; do
    "$clang_format" --dry-run --Werror "$file" >/dev/null 2>&1 || drift+=("$file")
done
if [ ${#drift[@]} -gt 0 ]; then
    echo "These files are not formatted as .clang-format asks:" >&2
    printf '  %s\n' "${drift[@]}" >&2
    echo "Fix them with: make format   (or: $clang_format -i FILE...)" >&2
    $format_only && exit 1
else
    echo "format: ${#files[@]} files clean"
    $format_only && exit 0
fi

build_dir=${LINT_BUILD_DIR:-build-lint}
if [ ! -f "$build_dir/compile_commands.json" ]; then
    echo "tidy: configuring $build_dir"
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# Sources that include moc or uic output only compile once the generated files exist.
mapfile -t autogen < <(ninja -C "$build_dir" -t targets all | sed -n 's/^\([^:]*_autogen\): .*/\1/p')
if [ ${#autogen[@]} -gt 0 ]; then
    cmake --build "$build_dir" --target "${autogen[@]}" -- -j2 >/dev/null
fi

# Tracked sources that the build compiles; generated files are never tracked.
tidy_files=()
for file in "${files[@]}"; do
    case "$file" in
        *.cpp) grep -qF "\"$PWD/$file\"" "$build_dir/compile_commands.json" && tidy_files+=("$file") ;;
    esac
done
echo "tidy: ${#tidy_files[@]} files"
if ! printf '%s\0' "${tidy_files[@]}" |
    xargs -0 -n 1 -P 2 "$clang_tidy" -p "$build_dir" --quiet --warnings-as-errors='*' \
        2> >(grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' >&2); then
    echo "clang-tidy reported findings (see above)" >&2
    exit 1
fi
echo "tidy: clean"
# Tidy runs even on badly formatted files, so one pass shows everything to fix.
[ ${#drift[@]} -eq 0 ]
