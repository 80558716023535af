#!/usr/bin/env bash
# The browser tests (or, with --bench, the web bench) against build/web/, with the npm packages
# of package-lock.json and Debian's Chromium; no browser is downloaded.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh web
bash scripts/npm-ci.sh
if [ "${1:-}" = "--bench" ]; then
    exec node tests/web/bench.mjs
fi
exec npx playwright test --config tests/web/playwright.config.js "$@"
