#!/usr/bin/env bash
# Renders the window's screenshots with the Linux build and with the Windows build under Wine in a
# Chinese locale (both offscreen, from the same fonts) and compares them control by control: each
# control at the same place with the same caption, and no character of a caption that its font
# cannot draw, which would show as a box.
#   tests/windows/window-screenshots.sh [linux build folder] [windows build folder]
# (default: build and build-windows). The pictures stay in <windows build>/screenshots/.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
linux=$(realpath "${1:-$root/build}")
build=$(realpath "${2:-$root/build-windows}")
export WINEDEBUG=-all WINEPREFIX=$build/wine-prefix
out=$build/screenshots
rm -rf "$out"
mkdir -p "$out"

# Wine takes its code page from the locale, which the C library must have: compiled into the
# build folder once (as tests/windows/agreement.sh does).
if [ ! -d "$build/locale/zh_CN.UTF-8" ]; then
    mkdir -p "$build/locale"
    localedef -i zh_CN -f UTF-8 "$build/locale/zh_CN.UTF-8" 2>/dev/null ||
        [ -d "$build/locale/zh_CN.UTF-8" ]
fi

QT_QPA_PLATFORM=offscreen "$linux/bin/shrink2d-screenshot" --controls "$out/linux" >/dev/null
# Wine hands WINEQT_ variables to Windows programs as QT_ ones (it keeps the host's QT_ ones).
LOCPATH=$build/locale LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEQT_QPA_FONTDIR="Z:$build/fonts" \
    wine "$build/bin/shrink2d-screenshot.exe" --controls "Z:$out/wine" >/dev/null

status=0
for controls in "$out"/linux/*.controls.txt; do
    shot=$(basename "$controls")
    if ! diff -u --label "linux/$shot" --label "wine/$shot" "$controls" "$out/wine/$shot"; then
        status=1
    fi
done
if grep -a -v -H 'missing glyphs: 0$' "$out"/wine/*.controls.txt "$out"/linux/*.controls.txt; then
    echo "window-screenshots: the lines above show characters their fonts cannot draw" >&2
    status=1
fi
count=$(cat "$out"/wine/*.controls.txt | wc -l)
[ "$count" -gt 0 ] || { echo "window-screenshots: no controls were written under Wine" >&2; exit 1; }
[ $status -eq 0 ] && echo "window-screenshots: $count controls in $(ls "$out"/wine/*.png | wc -l) pictures agree"
exit $status
