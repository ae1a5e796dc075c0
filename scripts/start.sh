#!/usr/bin/env bash
# Installs what is missing, builds the programs (not the tests and
# benchmarks: scripts/test.sh builds those), and starts Volvenza.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# Through ccache when it is there, sharing the objects scripts/test.sh compiles.
source scripts/compiler-cache.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build --target volvenza-programs
if [ -x build/bin/volvenza ]; then
    exec build/bin/volvenza
fi
out="$PWD/build/esempio.vlz"
build/bin/volvenza-sim example "$out" --export "$PWD/build/esempio.txt"
echo "Esempio simulato: $out (tabella: $PWD/build/esempio.txt)"
