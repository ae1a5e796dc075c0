#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs the whole test suite.
# Usage: scripts/test.sh [BUILD_DIR [extra cmake options...]]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
shift || true
bash scripts/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
