#!/usr/bin/env bash
# Makes the .deb from the build in build/ and holds it to Debian's own checks: lintian fails it
# on any error or warning (info tags are listed, not fatal), and the AppStream metadata and the
# desktop file must validate. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."

rm -f build/shrink2d_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(echo build/shrink2d_*.deb)
[ -f "$deb" ] || { echo "package: cpack made no build/shrink2d_*.deb" >&2; exit 1; }

# The files go through the same configure step as the package, so check the configured ones.
appstreamcli validate --no-net build/packaging/*.metainfo.xml
desktop-file-validate packaging/*.desktop
# lintian warns that it runs as root; that is how this machine builds, so keep it out of the log.
status=0
report=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) || status=$?
grep -v '^running with root privileges is not recommended!$' <<<"$report" || true
[ "$status" -eq 0 ] || { echo "package: lintian found errors or warnings" >&2; exit 1; }
echo "$deb"
