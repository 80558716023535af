#!/usr/bin/env bash
# The window's part of make windows, once scripts/windows.sh has built and tested everything:
# its screenshots under Wine against Linux's, the zip a player unpacks, one journey through the
# real window under Xvfb, and the installer, installed and uninstalled under Wine.
#   scripts/windows-window.sh QT_PREFIX
# leaves build-windows/shrink2d-<version>-windows-x86_64.zip and shrink2d-<version>-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$1
build=build-windows
export WINEDEBUG=-all WINEPREFIX=$PWD/$build/wine-prefix
# No menu entries or file associations of the host's desktop for what Wine installs.
export WINEDLLOVERRIDES=winemenubuilder.exe=d

step() {
    local start=$SECONDS
    "$@"
    echo "windows: $* took $((SECONDS - start)) s"
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $build/CMakeCache.txt)
home_page=$(sed -n 's/^SHRINK2D_HOME_PAGE:STRING=//p' $build/CMakeCache.txt)
name=shrink2d-$version-windows-x86_64
staging=$build/$name
setup=$build/shrink2d-$version-setup.exe

# Text files with CRLF line ends, for the Notepad of older Windows.
crlf() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }

stage() {
    rm -rf "$staging" "$build/$name.zip"
    mkdir -p "$staging/platforms" "$staging/translations" "$staging/qt/patches"
    cp $build/bin/shrink2d.exe $build/bin/shrink2d-cli.exe \
       $build/bin/Qt6Core.dll $build/bin/Qt6Gui.dll $build/bin/Qt6Widgets.dll "$staging/"
    cp $build/bin/platforms/qwindows.dll "$staging/platforms/"
    cp $build/bin/translations/qtbase_zh_CN.qm "$staging/translations/"
    crlf LICENSE "$staging/LICENSE"
    # The window's part first, then the command line's.
    { printf '\xEF\xBB\xBF'
      cat packaging/windows/README-window.txt packaging/windows/README.txt |
          sed "s/@VERSION@/$version/g; s/\$/\r/"; } >"$staging/README.txt"
    local notes=$qt/shrink2d-notes
    for file in LGPL-3.0-only.txt GPL-3.0-only.txt THIRD-PARTY.txt SOURCE.txt; do
        crlf "$notes/$file" "$staging/qt/$file"
    done
    for patch in "$notes"/patches/*.patch; do cp "$patch" "$staging/qt/patches/"; done
}

# Every program and DLL imports only DLLs of Windows itself and the Qt DLLs beside it.
check_imports() {
    local windows_dlls='kernel32|user32|gdi32|shell32|shlwapi|shcore|ole32|oleaut32|advapi32'
    windows_dlls+='|authz|comdlg32|imm32|mpr|netapi32|userenv|version|winmm|ws2_32|wtsapi32|msvcrt'
    windows_dlls+='|dwmapi|d3d9|d3d11|dxgi|api-ms-win-core-[a-z0-9-]+'
    local bad=0 file imports unexpected
    while IFS= read -r -d '' file; do
        imports=$(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p' | sort -u)
        unexpected=$(grep -viE "^(($windows_dlls)\.dll|Qt6(Core|Gui|Widgets)\.dll)$" \
                     <<<"$imports" || true)
        if [ -n "$unexpected" ]; then
            echo "windows: ${file#"$staging"/} imports DLLs that neither Windows nor the zip has:" \
                 $unexpected >&2
            bad=1
        fi
    done < <(find "$staging" -iname '*.exe' -print0 -o -iname '*.dll' -print0)
    [ $bad -eq 0 ]
}

pack() {
    (cd $build && rm -f "$name.zip" && cmake -E tar cf "$name.zip" --format=zip "$name")
    echo "windows: $build/$name.zip ($(stat -c %s "$build/$name.zip") bytes)"
}

# The installer's file lists: one File for each file of the zip's folder, and the Delete for it.
installer() {
    local lists=$build/installer
    rm -rf "$lists"
    mkdir -p "$lists"
    (cd "$staging" && find . -type f | sed 's|^\./||' | sort) >"$lists/files.txt"
    local dir file
    while IFS= read -r file; do
        dir=$(dirname "$file")
        printf 'SetOutPath "$INSTDIR%s"\nFile "%s"\n' "$([ "$dir" = . ] || echo "\\${dir//\//\\}")" \
            "$PWD/$staging/$file" >>"$lists/files.nsh"
        printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}" >>"$lists/unfiles.nsh"
    done <"$lists/files.txt"
    (cd "$staging" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) |
        while IFS= read -r dir; do printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}"; done \
        >>"$lists/unfiles.nsh"
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DHOME_PAGE="$home_page" \
        -DICON="$PWD/$build/src/window/shrink2d.ico" -DFILES="$PWD/$lists/files.nsh" \
        -DUNFILES="$PWD/$lists/unfiles.nsh" -DOUTFILE="$PWD/$setup" packaging/windows/installer.nsi
    echo "windows: $setup ($(stat -c %s "$setup") bytes)"
}

step stage
step check_imports
step pack
step bash tests/windows/window-screenshots.sh build $build
step bash tests/windows/window-journey.sh "$build/$name.zip" $build
step installer
step bash tests/windows/installer.sh "$setup" "$build/installer/files.txt" "$version" $build
