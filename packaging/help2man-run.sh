#!/usr/bin/env bash
# What help2man runs in place of shrink2d-cli: the program itself, with its --help output put
# through help-for-man.awk.   help2man-run.sh PROGRAM OPTION
set -euo pipefail
program=$1
shift
if [ "${1-}" = --help ]; then
    "$program" --help | awk -f "$(dirname "$0")/help-for-man.awk"
else
    exec "$program" "$@"
fi
