#!/usr/bin/env bash
# Opens the window program, or says in one line why it cannot.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to open the window on; run 'make screenshot' to render it to build/screenshots/ instead."
    exit 0
fi
exec "$(dirname "$0")/../build/bin/shrink2d"
