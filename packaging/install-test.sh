#!/usr/bin/env bash
# Installs the .deb that `make package` left in build/ with dpkg, runs what it installed, and
# purges it again, so the machine ends as it began. Needs root or sudo, and the package's
# dependencies already present (scripts/install-deps.sh base); it refuses to touch an installed
# shrink2d.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-test: not root and no sudo; installing the package is skipped"
    exit 0
fi
deb=$(echo build/shrink2d_*.deb)
[ -f "$deb" ] || { echo "install-test: no build/shrink2d_*.deb; run make package" >&2; exit 1; }
if dpkg-query -W -f='${Status}' shrink2d 2>/dev/null | grep -q installed; then
    echo "install-test: shrink2d is already installed here; not replacing it" >&2
    exit 1
fi
version=$(dpkg-deb -f "$deb" Version)

# Both manual pages must be in the package whatever this machine's dpkg keeps of them.
contents=$(dpkg-deb -c "$deb")
for page in shrink2d shrink2d-cli; do
    grep -q "/usr/share/man/man1/$page\.1\.gz$" <<<"$contents" ||
        { echo "install-test: $page.1.gz is not in $deb" >&2; exit 1; }
done

trap '"${as_root[@]}" dpkg --purge shrink2d >/dev/null' EXIT
"${as_root[@]}" dpkg -i "$deb" >/dev/null

[ "$(/usr/bin/shrink2d-cli --version)" = "shrink2d-cli $version" ] ||
    { echo "install-test: shrink2d-cli --version does not say $version" >&2; exit 1; }
[ "$(/usr/bin/shrink2d-cli --first 0 --second 09)" = $'00 09 \n       共计:2注' ] ||
    { echo "install-test: the installed shrink2d-cli computes wrongly" >&2; exit 1; }
! ldd /usr/bin/shrink2d | grep 'not found' ||
    { echo "install-test: the installed window misses libraries" >&2; exit 1; }
# Minimal images tell dpkg not to unpack manual pages (path-exclude in /etc/dpkg/dpkg.cfg.d/);
# there the page can only be checked inside the package, as above.
if grep -qshE '^path-exclude[= ]+/usr/share/man' /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d/*; then
    echo "install-test: dpkg here excludes /usr/share/man; man -w skipped, pages checked in the .deb"
else
    man -w shrink2d-cli >/dev/null
    man -w shrink2d >/dev/null
fi

"${as_root[@]}" dpkg --purge shrink2d >/dev/null
trap - EXIT
if dpkg-query -W shrink2d >/dev/null 2>&1 || [ -e /usr/bin/shrink2d-cli ]; then
    echo "install-test: shrink2d is still on the machine after purging" >&2
    exit 1
fi
echo "install-test: $deb installed, ran and was purged"
