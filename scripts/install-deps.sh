#!/usr/bin/env bash
# Installs the Debian packages a group of make targets needs, and nothing when all are present.
#   scripts/install-deps.sh [base|fuzz|lint|package|web|windows]...   (default: base)
set -euo pipefail

base=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
      libbenchmark-dev libcli11-dev nlohmann-json3-dev
      fonts-arphic-ukai fonts-arphic-uming fonts-wqy-microhei qt6-translations-l10n
      xvfb xauth time dbus-daemon at-spi2-core python3-pyatspi)
fuzz=(clang libclang-rt-14-dev)
lint=(clang-format clang-tidy)
# make package: the checkers, help2man for shrink2d-cli(1), dpkg-shlibdeps and the file(1) it uses.
package=(lintian help2man appstream desktop-file-utils man-db dpkg-dev file)
# make web and the browser tests: Emscripten, Chromium, cmake and ninja; Node and npm from Debian
# only where no node is installed at all.
web=(emscripten chromium cmake ninja-build python3)
command -v node >/dev/null 2>&1 || web+=(nodejs)
command -v npm >/dev/null 2>&1 || web+=(npm)

# make windows: the mingw-w64 cross compiler (posix threads) and its tools, Wine to run the tests,
# GoogleTest's sources to build for the target, and the locale data the Chinese Wine runs use;
# for the window: dpkg-dev to unpack Qt's source, python3 for the icon and Qt's notices, NSIS
# for the installer, xdotool and xclip to drive the window under Xvfb.
windows=(g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 wine wine64
         googletest locales cmake ninja-build
         dpkg-dev python3 nsis xdotool xclip)

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(base)
wanted=()
for group in "${groups[@]}"; do
    case "$group" in
        base) wanted+=("${base[@]}") ;;
        fuzz) wanted+=("${fuzz[@]}") ;;
        lint) wanted+=("${lint[@]}") ;;
        package) wanted+=("${package[@]}") ;;
        web) wanted+=("${web[@]}") ;;
        windows) wanted+=("${windows[@]}") ;;
        *) echo "install-deps: unknown group '$group' (base, fuzz, lint, package, web, windows)" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: not root and no sudo; install as root: apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
