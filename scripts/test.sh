#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs the whole test suite.
# Usage: scripts/test.sh [BUILD_DIR [extra cmake options...]]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
shift || true
bash scripts/deps.sh
# Through ccache when it is there: a second build of unchanged sources (another
# build folder, a fresh clone) takes only its links.
source scripts/compiler-cache.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
