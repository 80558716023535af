#!/usr/bin/env bash
# The installer under Wine, for the current user and then for all users: a silent install puts
# every file of the zip's folder and the uninstaller in place, the Start-menu entry and the Apps &
# features entry with the version; the installed command line answers --version; a silent
# uninstall then leaves the Wine prefix as it found it.
#   tests/windows/installer.sh SETUP.exe FILES.txt VERSION [windows build folder]
# FILES.txt lists the files the installer holds, one path a line, relative to its folder.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
setup=$(realpath "$1")
files=$(realpath "$2")
version=$3
build=$(realpath "${4:-$root/build-windows}")
export WINEDEBUG=-all WINEPREFIX=$build/wine-prefix WINEDLLOVERRIDES=winemenubuilder.exe=d
[ -d "$WINEPREFIX" ] || wineboot --init
drive=$WINEPREFIX/drive_c
user=$(wine cmd /c 'echo %USERNAME%' 2>/dev/null | tr -d '\r')
temp=$(realpath "$(winepath -u "$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')" 2>/dev/null)")
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\shrink2d'

fail() {
    echo "installer: $*" >&2
    exit 1
}

# Every file and folder of the prefix but the temporary ones (where the uninstaller runs a copy of
# itself from) and the registry (checked by key).
snapshot() {
    find "$drive" -path "$temp" -prune -o -path "$drive/windows/temp" -prune -o -print | sort
}

# One round: scope is "user" or "all"; folder, menu and root are where that scope puts things.
round() {
    local scope=$1 folder=$2 menu=$3 root_key=$4
    shift 4
    local before
    before=$(snapshot)
    wine "$setup" /S "$@" || fail "the silent $scope install failed ($?)"
    wineserver -w

    local installed expected
    installed=$(cd "$folder" 2>/dev/null && find . -type f | sed 's|^\./||' | sort) ||
        fail "no folder $folder after the $scope install"
    expected=$({ cat "$files"; echo uninstall.exe; } | sort)
    diff <(echo "$expected") <(echo "$installed") >&2 ||
        fail "the $scope install holds other files than the installer's (above: - missing, + extra)"
    [ -f "$menu/澄数2D缩水软件.lnk" ] || fail "no Start-menu entry after the $scope install"
    local key=${uninstall_key/HKLM/$root_key}
    wine reg query "$key" /v DisplayVersion 2>/dev/null | grep -q "$version" ||
        fail "no Apps & features entry with version $version after the $scope install"
    local answer
    answer=$(wine "$folder/shrink2d-cli.exe" --version | tr -d '\r')
    [[ "$answer" == *"$version"* ]] || fail "the installed shrink2d-cli.exe --version said '$answer'"

    local uninstaller
    uninstaller=$(wine reg query "$key" /v QuietUninstallString | sed -n 's/.*REG_SZ\s*//p' |
        tr -d '\r')
    # "C:\...\uninstall.exe" /S [/AllUsers]. The uninstaller copies itself away and returns at
    # once; wineserver -w waits for the copy.
    [[ "$uninstaller" =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "no uninstall command: '$uninstaller'"
    read -ra arguments <<<"${BASH_REMATCH[2]}"
    wine "${BASH_REMATCH[1]}" "${arguments[@]}" || fail "the silent $scope uninstall failed"
    wineserver -w
    if wine reg query "$key" >/dev/null 2>&1; then
        fail "the Apps & features entry is left after the $scope uninstall"
    fi
    diff <(echo "$before") <(snapshot) >&2 ||
        fail "the $scope uninstall left the prefix changed (above: - gone, + left)"
    echo "installer: $scope install and uninstall under Wine leave nothing behind"
}

round user "$drive/users/$user/AppData/Local/Programs/shrink2d" \
    "$drive/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs" HKCU
round all "$drive/Program Files/shrink2d" "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs" \
    HKLM /AllUsers
