#!/usr/bin/env bash
# Qt for the Windows window, built once per machine from Debian's own qt6-base source package, of
# the very version the Linux build uses (whose moc and rcc serve the cross-build): Debian's
# patches, then ours from packaging/windows/qt-patches/, cross-built with mingw-w64 into a cache
# outside the clone that later builds and CI runs reuse:
#   ${XDG_CACHE_HOME:-$HOME/.cache}/shrink2d/qt-<version>-<hash of patches, options, toolchain>
# A cache counts only once its last step has written the stamp, so an interrupted build is done
# again from the start, never taken for a whole one.
#   scripts/qt-windows.sh          builds the cache when it is missing; prints its folder last
#   scripts/qt-windows.sh --where  prints the folder, building nothing
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# Only what the window needs: Core, Gui, Widgets (its Fusion style is built in), the windows and
# offscreen platforms, and Test for the window's tests. Sized for a small download.
options=(
    -DCMAKE_BUILD_TYPE=MinSizeRel
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    # Only the windows platform plugin, not the Direct2D one; text is drawn through GDI.
    -DFEATURE_direct2d=OFF
    # Tablets on Windows need the Wintab headers, which Debian's source leaves out (their licence
    # forbids changes).
    -DFEATURE_tabletevent=OFF
    -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_sessionmanager=OFF -DFEATURE_style_windowsvista=OFF
)
toolchain=$root/cmake/mingw-w64-qt.cmake
shopt -s nullglob
patches=("$root"/packaging/windows/qt-patches/*.patch)
shopt -u nullglob

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$version" ]; then
    echo "qt-windows: qt6-base-dev is not installed (scripts/install-deps.sh base)" >&2
    exit 1
fi
key=$({ printf '%s\n' "$version" "${options[@]}"
        cat "${patches[@]}" "$toolchain" "$root/cmake/mingw-w64.cmake"; } | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/shrink2d
prefix=$cache/qt-${version%%+*}-$key
stamp=$prefix/shrink2d-qt.stamp

if [ "${1:-}" = --where ]; then
    echo "$prefix"
    exit 0
fi
complete() { [ "$(cat "$stamp" 2>/dev/null)" = "qt6-base $version $key" ]; }
if complete; then
    echo "$prefix"
    exit 0
fi

# One build at a time: a second run waits, then finds the cache made.
mkdir -p "$cache"
exec 9>"$cache/qt.lock"
flock 9
if complete; then
    echo "$prefix"
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    as_root=(false)
fi

# apt-get source needs a deb-src entry for the archive apt already installs from: a copy of the
# system's entries with the type changed.
has_source() {
    apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $version"
}
if ! has_source; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -E 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${as_root[@]}" tee /etc/apt/sources.list.d/shrink2d-src.sources >/dev/null
    else
        sed -n 's/^deb\s/deb-src /p' /etc/apt/sources.list |
            "${as_root[@]}" tee /etc/apt/sources.list.d/shrink2d-src.list >/dev/null
    fi
    "${as_root[@]}" apt-get update -qq
    if ! has_source; then
        echo "qt-windows: apt has no source of qt6-base $version (a deb-src entry is needed)" >&2
        exit 1
    fi
fi

start=$SECONDS
work=$prefix.work
rm -rf "$work" "$prefix"
mkdir -p "$work"
echo "qt-windows: building Qt ${version%%+*} for Windows into $prefix (about half an hour)" >&2
(cd "$work" && apt-get source -qq --only-source "qt6-base=$version" >/dev/null)
source=$(echo "$work"/qt6-base-*/)
source=${source%/}
for patch in "${patches[@]}"; do
    patch -d "$source" -p1 --batch --forward --quiet <"$patch"
done

cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
    { grep -A20 FAILED "$work/build.log" | head -60 >&2; exit 1; }
cmake --install "$work/build" --strip >"$work/install.log" 2>&1 || { tail -20 "$work/install.log" >&2; exit 1; }

# What the program's folder needs besides the DLLs: Qt's licence, the notices of the code Qt
# bundles, the patches, and where the source is.
notes=$prefix/shrink2d-notes
mkdir -p "$notes/patches"
cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$notes/"
python3 "$root/packaging/windows/qt-attributions.py" "$source" "$notes/THIRD-PARTY.txt"
for patch in "${patches[@]}"; do cp "$patch" "$notes/patches/"; done
{
    echo "Qt ${version%%+*}: the DLLs beside shrink2d.exe (Qt Core, Gui and Widgets, the windows"
    echo "platform plugin) are built from Debian's source package qt6-base $version,"
    echo "with Debian's own patches and the patches in the folder patches/, and configured with:"
    printf '    %s\n' "${options[@]}"
    echo "The Chinese texts of Qt's dialogs (translations/qtbase_zh_CN.qm) come from Debian's"
    echo "package qt6-translations-l10n of the same version."
    echo
    echo "Qt is licensed to this program under the GNU Lesser General Public License version 3"
    echo "(LGPL-3.0-only.txt, which builds on GPL-3.0-only.txt); THIRD-PARTY.txt holds the notices of"
    echo "the code Qt bundles. The source is Debian's: 'apt-get source qt6-base=$version' on Debian 12"
    echo "fetches it. You may replace these DLLs with your own build of Qt ${version%%+*}."
} >"$notes/SOURCE.txt"

rm -rf "$work"
echo "qt6-base $version $key" >"$stamp"
echo "qt-windows: Qt built in $((SECONDS - start)) s" >&2
echo "$prefix"
