#!/usr/bin/env bash
# The npm packages of package-lock.json (exact versions), installed with npm ci when missing or
# older than the lock file. No browser is downloaded: the tests drive Debian's Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    npm ci --no-audit --no-fund --loglevel=error
fi
