#!/usr/bin/env bash
# Fails on any #include whose path holds "..": "messages/../numbers/X.h"
# reaches a header through a folder the target may include, so it slips past
# the layer rule that each library sees only the headers of those it links.
#
#   bash scripts/check-includes.sh [SOURCE_DIR]
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
found=$(grep -rnE --include='*.cpp' --include='*.h' --include='*.h.in' \
    --exclude-dir='build*' --exclude-dir=.git \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]*\.\.' "$root" || true)
if [ -n "$found" ]; then
    echo "An #include climbs with \"..\"; name the header from its library's folder:"
    echo "$found"
    exit 1
fi
