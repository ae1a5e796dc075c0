#!/usr/bin/env bash
# The browser edition: installs what it lacks (Debian's emscripten), builds
# the core into build-web/ and serves build-web/site at http://127.0.0.1:8080,
# on this computer only, until Ctrl+C.
# Usage: scripts/web.sh [--build | --test | --bench]
#   --build  builds only
#   --test   builds, then checks the core's answers against the native
#            volvenza-sim ($VOLVENZA_SIM, else build/bin/volvenza-sim)
#   --bench  builds, then measures the download and the core's speed
#            against that volvenza-sim
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-}"
case "$mode" in
    "" | --build | --test | --bench) ;;
    *) echo "Usage: scripts/web.sh [--build | --test | --bench]" >&2; exit 64 ;;
esac
bash scripts/deps.sh --web
# Debian's emscripten runs its JavaScript tools on node with Debian's
# modules, which a node from elsewhere does not search by itself.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVOLVENZA_GUI=OFF -DVOLVENZA_TESTS=OFF -DVOLVENZA_BENCH=OFF -DVOLVENZA_THREADS=OFF \
    -DCMAKE_CXX_FLAGS=-fexceptions -Dnlohmann_json_DIR="$PWD/web/cmake/nlohmann_json" >/dev/null
cmake --build build-web --target volvenza-core
case "$mode" in
    --build) ;;
    --test | --bench)
        script=tests/web/core_test.js
        [ "$mode" = --bench ] && script=bench/web/core_bench.js
        node "$script" build-web/site "${VOLVENZA_SIM:-build/bin/volvenza-sim}" tests/data
        ;;
    *)
        echo "Volvenza in the browser: http://127.0.0.1:8080/ (Ctrl+C stops)"
        cd build-web/site
        exec python3 -m http.server 8080 --bind 127.0.0.1
        ;;
esac
