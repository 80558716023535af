#!/usr/bin/env bash
# Runs one table of command lines through the Linux build and through the Windows build under
# Wine, and compares standard output, standard error, the exit status and the files left in the
# working directory byte for byte. Both run the table in an English and a Chinese locale (where
# Wine's ANSI code page is 936 and the messages are Chinese), Wine with the .exe that has the
# UTF-8 manifest and with one that has not.
#   tests/windows/agreement.sh [linux program] [windows build folder]
# (default: build/bin/shrink2d-cli and build-windows)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
linux=$(realpath "${1:-$root/build/bin/shrink2d-cli}")
build=$(realpath "${2:-$root/build-windows}")
exes=("$build/bin/shrink2d-cli.exe" "$build/bin/shrink2d-cli-without-manifest.exe")
for program in "$linux" "${exes[@]}"; do
    [ -f "$program" ] || { echo "agreement: no $program (build first)" >&2; exit 1; }
done
export WINEDEBUG=-all WINEPREFIX=$build/wine-prefix

# Wine takes its code pages and its language from LC_ALL (LANG alone is not enough), and the C
# library needs the locale to exist: the Chinese one is compiled into the build folder once.
locales=$build/locale
if [ ! -d "$locales/zh_CN.UTF-8" ]; then
    mkdir -p "$locales"
    localedef -i zh_CN -f UTF-8 "$locales/zh_CN.UTF-8" 2>/dev/null || [ -d "$locales/zh_CN.UTF-8" ]
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files every case starts from, in a directory of their own.
fixture=$work/fixture
mkdir -p "$fixture"
printf '05 15 27\r\n' >"$fixture/号码.txt"
printf '05 15\n' >"$fixture/l.txt"
printf '05 x7\n' >"$fixture/bad.txt"
printf '05\r\n\x1a\r\n15\r\n' >"$fixture/ctrlz.txt"
awk 'BEGIN { for (i = 0; i < 100; i++) printf "%02d\r\n", i }' >"$fixture/crlf.txt"
awk 'BEGIN { for (i = 0; i < 100000; i++) printf "%02d\n", i % 100 }' >"$fixture/big.txt"
printf '# 开奖\r\n2026001 37\r\n2026002,1,2\r\n2026003 90\r\n' >"$fixture/开奖.txt"
printf '{"version": 1, "kill-span": [0], "parity": ["偶偶"]}\n' >"$fixture/条件.json"
# Lists as Notepad saves them: "Unicode" (UTF-16 with its mark) and "ANSI" on a Chinese Windows
# (GBK, here with ideographic spaces), a column and a comma list, a number short of its zero, and
# a file that is no text.
printf '\xff\xfe0\x005\x00\r\x00\n\x001\x007\x00\r\x00\n\x009\x009\x00' >"$fixture/unicode.txt"
printf '05\xa1\xa117\xa1\xa199\xa1\xa1\xca\xae\xc6\xdf' >"$fixture/ansi.txt"
printf '12,34，56、78\n' >"$fixture/commas.txt"
printf '17 5 99' >"$fixture/short.txt"
printf '\x89PNG\r\n\x1a\n\x00\x00' >"$fixture/photo.png"

# name | standard input | standard output | where the builds must differ (in standard output or
# error alone), and why | arguments
#   standard input: a fixture file redirected, pipe:file for one piped, empty for none (/dev/null)
#   standard output: a file; head: a pipe its reader closes after 10 bytes; full: /dev/full
# Saving over standard output is left to the process tests, which run in both builds: Wine cannot
# examine a stream its POSIX side redirected, as Windows' own shell's redirection can be.
#   arguments: shell words
cases=$(cat <<'EOF'
default          |           |      | | 
json             |           |      | | --first 6 --second 864 --json --kill-sum 10
empty-list       |           |      | | --first ''
parity           |           |      | | --parity 偶偶 --parity-mode kill
parity-size      |           |      | | --parity-size 偶大 --size-parity 大偶
sizes-killed     |           |      | | --size 大大,小小,大小,小大 --size-mode kill
tolerance        |           |      | | --tolerance 1 --banker 38 --kill-sum 18,0,7 --kill-road 22,01
stats            |           |      | | --stats --banker 5 --json
help             |           |      | the example of a piped list is typed as in cmd.exe | --help
version          |           |      | | --version
unknown-option   |           |      | | --nope
bad-value        |           |      | | --parity-size 偶小大
list-chinese     |           |      | | --list 号码.txt --kill-sum 10
list-crlf        |           |      | | --list crlf.txt --kill-tail 0
list-raw         |           |      | | --list l.txt --raw
list-missing     |           |      | | --list 没有.txt
list-directory   |           |      | | --list .
stdin-crlf       | crlf.txt  |      | | --list - --banker 5
stdin-pipe       | pipe:crlf.txt |      | | --list - --json --kill-sum 9
stdin-ctrl-z     | ctrlz.txt |      | | --list -
unreadable       | bad.txt   |      | | --list -
history          |           |      | | --history 开奖.txt --first 0123
history-json     |           |      | | --history 开奖.txt --json --last 2
conditions       |           |      | | --conditions 条件.json
save-new         |           |      | | --banker 38 --parity 奇偶 --save-conditions 新条件.json
save-over        |           |      | | --conditions 条件.json --save-conditions 条件.json --banker 5
save-over-list   |           |      | | --list 号码.txt --save-conditions 号码.txt
save-over-stdin  | l.txt     |      | Wine cannot identify a file its POSIX side redirected, so saving is refused as unsure | --list - --save-conditions l.txt
save-piped-stdin | pipe:l.txt |      | | --list - --save-conditions 新.json
save-directory   |           |      | | --save-conditions .
stdin-twice      |           |      | | --conditions - --list -
closed-pipe      |           | head | | --list big.txt
disk-full        |           | full | | --kill-sum 3
list-unicode     |           |      | | --list unicode.txt --kill-span 0
list-ansi        |           |      | | --list ansi.txt
list-commas      |           |      | | --list commas.txt --json
list-short       |           |      | | --list short.txt
list-not-text    |           |      | | --list photo.png
list-device-name |           |      | Windows opens a console for CON, with any extension | --list CON.json
EOF
)

# Runs one case in a fresh copy of the fixture; leaves stdout, stderr, status and files in $3.
run_case() {
    local input=$1 output=$2 result=$3
    shift 3
    rm -rf "$work/dir" "$result"
    cp -r "$fixture" "$work/dir"
    mkdir -p "$result"
    local status=0
    (
        cd "$work/dir"
        case "$input" in
            "") exec </dev/null ;;
            pipe:*) exec < <(cat "${input#pipe:}") ;;
            *) exec <"$input" ;;
        esac
        case "$output" in
            head) set +o pipefail; "$@" 2>"$result/err" | head -c 10 >"$result/out"; exit "${PIPESTATUS[0]}" ;;
            full) exec "$@" >/dev/full 2>"$result/err" ;;
            *) exec "$@" >"$result/out" 2>"$result/err" ;;
        esac
    ) || status=$?
    echo "$status" >"$result/status"
    # Every file left, and what it holds: a saved file, and no temporary one beside it.
    (cd "$work/dir" && find . -type f | LC_ALL=C sort |
        while read -r f; do printf '%s ' "$f"; md5sum <"$f"; done) >"$result/files"
}

compare() {
    local name=$1 expected=$2 got=$3 allowed=$4
    local differs=()
    for part in out err status files; do
        [ -f "$expected/$part" ] || : >"$expected/$part"
        [ -f "$got/$part" ] || : >"$got/$part"
        cmp -s "$expected/$part" "$got/$part" || differs+=("$part")
    done
    if [ ${#differs[@]} -eq 0 ]; then
        [ -z "$allowed" ] && return 0
        echo "  $name: expected a difference ($allowed) but the outputs agree" >&2
        return 1
    fi
    if [ -n "$allowed" ] && { [ "${differs[*]}" = err ] || [ "${differs[*]}" = out ]; }; then
        echo "  $name: ${differs[*]} differs, as expected ($allowed):"
        diff "$expected/err" "$got/err" | sed -n 's/^[<>]/    &/p'
        return 0
    fi
    echo "  $name: ${differs[*]} differ" >&2
    for part in "${differs[@]}"; do
        diff "$expected/$part" "$got/$part" | head -n 6 | sed 's/^/    /' >&2
    done
    return 1
}

failed=0
count=0
while IFS='|' read -r name input output allowed args; do
    name=$(echo "$name" | xargs)
    input=$(echo "$input" | xargs)
    output=$(echo "$output" | xargs)
    allowed=$(echo "$allowed" | sed 's/^ *//; s/ *$//')
    eval "argv=($args)"
    for lang in C.UTF-8 zh_CN.UTF-8; do
        run_case "$input" "$output" "$work/linux/$name" \
            env LOCPATH="$locales" LANG="$lang" LC_ALL= LC_MESSAGES= "$linux" "${argv[@]}"
        for exe in "${exes[@]}"; do
            label="$(basename "$exe" .exe) $lang"
            run_case "$input" "$output" "$work/wine/$name" \
                env LOCPATH="$locales" LANG="$lang" LC_ALL="$lang" wine "$exe" "${argv[@]}"
            count=$((count + 1))
            compare "$name ($label)" "$work/linux/$name" "$work/wine/$name" "$allowed" || failed=$((failed + 1))
        done
    done
done <<<"$cases"

echo "agreement: $count runs ($(wc -l <<<"$cases") cases x 2 locales x 2 builds), $failed differ"
[ "$failed" -eq 0 ]
