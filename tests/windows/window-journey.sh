#!/usr/bin/env bash
# One journey through the real window of the Windows build: shrink2d.exe unpacked from the zip,
# run by Wine on its windows platform (not offscreen) in a Chinese locale, on an X server of its
# own (Xvfb). The mouse and keyboard go through X, as a player's would, at the places the layout
# gives: "1、组号", the box 杀跨度 0, "2、过滤"; then the count line and the list are copied out
# through the clipboard and compared with what the Linux command line gives.
#   tests/windows/window-journey.sh ZIP [windows build folder]
# Leaves a picture of the screen in <windows build>/screenshots/windows-platform.png.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
zip=$(realpath "$1")
build=$(realpath "${2:-$root/build-windows}")
controls=$build/screenshots/linux/page0-start.controls.txt
[ -f "$controls" ] || { echo "window-journey: no $controls (tests/windows/window-screenshots.sh)" >&2; exit 1; }
export WINEDEBUG=-all WINEPREFIX=$build/wine-prefix WINEDLLOVERRIDES=winemenubuilder.exe=d

work=$(mktemp -d)
xvfb=
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
(cd "$work" && cmake -E tar xf "$zip")
program=$(echo "$work"/*/shrink2d.exe)

# The window's faces: Debian's CJK fonts that the Linux build maps them to, in Wine's font folder.
fonts=$WINEPREFIX/drive_c/windows/Fonts
[ -d "$fonts" ] || wineboot --init
for font in "$build"/fonts/*; do
    ln -sf "$(readlink -f "$font")" "$fonts/$(basename "$font")"
done

mkdir -p "$work/screen"
Xvfb -displayfd 3 -screen 0 1024x768x24 -fbdir "$work/screen" -nolisten tcp 3>"$work/display" \
    2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

# Wine draws on the display its session began with: a session left from an earlier test (the
# screenshots run offscreen, without one) would take this window too and it would never show here.
wineserver -k 2>/dev/null || true
wineserver -w

# The Chinese locale (compiled into the build folder by tests/windows/window-screenshots.sh) for
# Wine alone: the shell and the X tools may not have it.
LOCPATH=$build/locale LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine "$program" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '澄数2D缩水软件' | head -1) || true
[ -n "$window" ] || { echo "window-journey: the window did not open" >&2; exit 1; }
sleep 2 # until Qt has painted it

# Where a control stands in the window's client area, from the layout the Linux build wrote; of
# two controls with one name (the frame "结果" and its list box) the inner one, written later.
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y: the client area's corner
click() {
    local at
    at=$(awk -F'\t' -v name="$1" '$1 == name { at = $2 } END { print at }' "$controls")
    [ -n "$at" ] || { echo "window-journey: no control named $1" >&2; exit 1; }
    local x=${at%%,*} rest=${at#*,}
    local y=${rest%% *} size=${rest#* }
    xdotool mousemove $((X + x + ${size%x*} / 2)) $((Y + y + ${size#*x} / 2)) click 1
    sleep 0.5
}
# The whole text of a box, through the clipboard.
copy() {
    click "$1"
    xdotool key ctrl+a ctrl+c
    sleep 0.5
    timeout 10 xclip -o -selection clipboard
}

click "1、组号"
click "杀跨度 0"
click "2、过滤"
count=$(copy "共计")
list=$(copy "结果")
python3 "$root/tests/windows/xwd-to-png.py" "$work/screen/Xvfb_screen0" \
    "$build/screenshots/windows-platform.png"

expected=$("$root/build/bin/shrink2d-cli" --kill-span 0 | head -1)
status=0
if [ "$count" != "       共计:90注" ]; then
    echo "window-journey: the count line reads '$count', not '       共计:90注'" >&2
    status=1
fi
if [ "$list" != "$expected" ]; then
    echo "window-journey: the list differs from the Linux command line's:" >&2
    diff <(tr ' ' '\n' <<<"$expected") <(tr ' ' '\n' <<<"$list") >&2 || true
    status=1
fi
[ $status -eq 0 ] && echo "window-journey: 1、组号, 杀跨度 0, 2、过滤 on the windows platform: $count"
exit $status
