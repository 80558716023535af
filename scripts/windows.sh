#!/usr/bin/env bash
# make windows: shrink2d-cli.exe cross-built with mingw-w64, its tests run under Wine, the Linux
# and Windows programs compared case by case, and the zip a player downloads:
# build-windows/shrink2d-cli-<version>-windows-x86_64.zip. Then the window, shrink2d.exe, on Qt
# for Windows: its zip and its installer (scripts/windows-window.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh base windows
export WINEDEBUG=-all WINEPREFIX=$PWD/build-windows/wine-prefix
# The window too: Qt for Windows, built once per machine (scripts/qt-windows.sh).
qt=$(bash scripts/qt-windows.sh | tail -1)

# The Linux programs, which the agreement and screenshot tests compare with.
[ -f build/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build --preset default --target shrink2d-cli bench_pass_timer shrink2d-screenshot

[ -f build-windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
cmake build-windows -DSHRINK2D_WITH_WINDOW=ON -DSHRINK2D_QT_WINDOWS="$qt" >/dev/null
cmake --build --preset windows
# Wine now and then fails to start a program at all (it ends at once and prints nothing): a case
# that fails gets one more try, so that only a failure that repeats fails the build.
ctest --preset windows --repeat until-pass:2
bash tests/windows/agreement.sh build/bin/shrink2d-cli build-windows

exe=build-windows/bin/shrink2d-cli.exe
# One file that needs nothing beside it: only DLLs every Windows has.
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
unexpected=$(grep -vxE 'kernel32\.dll|msvcrt\.dll|shell32\.dll' <<<"$imports" || true)
if [ -n "$unexpected" ]; then
    echo "windows: $exe needs DLLs that Windows does not ship: $unexpected" >&2
    exit 1
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
name=shrink2d-cli-$version-windows-x86_64
staging=build-windows/zip
rm -rf "$staging" "build-windows/$name.zip"
mkdir -p "$staging"
cp "$exe" "$staging/"
# CRLF line ends, and the README marked as UTF-8, for the Notepad of older Windows.
sed 's/$/\r/' LICENSE >"$staging/LICENSE"
{ printf '\xEF\xBB\xBF'; sed "s/@VERSION@/$version/; s/\$/\r/" packaging/windows/README.txt; } >"$staging/README.txt"
(cd "$staging" && cmake -E tar cf "../$name.zip" --format=zip shrink2d-cli.exe LICENSE README.txt)
echo "windows: build-windows/$name.zip ($(stat -c %s "build-windows/$name.zip") bytes; the .exe $(stat -c %s "$exe") bytes, imports: $(echo $imports))"

bash scripts/windows-window.sh "$qt"
