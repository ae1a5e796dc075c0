#!/usr/bin/env bash
# The browser edition: installs what it lacks (Debian's emscripten), builds
# the core into build-web/ and serves build-web/site at http://127.0.0.1:8080,
# on this computer only, until Ctrl+C.
# Usage: scripts/web.sh [--build | --test | --browser-test | --bench]
#   --build         builds only
#   --test          builds, then checks the core's answers against the native
#                   volvenza-sim ($VOLVENZA_SIM, else build/bin/volvenza-sim,
#                   built without Qt into build-sim when there is none)
#   --browser-test  as --test, then the page in headless Chromium against it
#   --bench         builds, then measures the download and the core's speed
#                   against that volvenza-sim
# Builds run as many jobs as ninja chooses, or CMAKE_BUILD_PARALLEL_LEVEL
# when it is set (cmake --build reads it): on a shared machine, e.g.
#   CMAKE_BUILD_PARALLEL_LEVEL=2 bash scripts/web.sh --build
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-}"
case "$mode" in
    "" | --build | --test | --browser-test | --bench) ;;
    *) echo "Usage: scripts/web.sh [--build | --test | --browser-test | --bench]" >&2; exit 64 ;;
esac
bash scripts/deps.sh --web
# Debian's emscripten runs its JavaScript tools on node with Debian's
# modules, which a node from elsewhere does not search by itself.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
# em++ goes through ccache as g++ does: a second build of an unchanged core
# takes its link only.
source scripts/compiler-cache.sh
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVOLVENZA_GUI=OFF -DVOLVENZA_TESTS=OFF -DVOLVENZA_BENCH=OFF -DVOLVENZA_THREADS=OFF \
    -DCMAKE_CXX_FLAGS=-fexceptions -Dnlohmann_json_DIR="$PWD/web/cmake/nlohmann_json" "${launcher[@]}" >/dev/null
cmake --build build-web --target volvenza-core
# The native volvenza-sim the answers are compared with.
sim="${VOLVENZA_SIM:-build/bin/volvenza-sim}"
if [ "$mode" != --build ] && [ -n "$mode" ] && [ ! -x "$sim" ]; then
    cmake -S . -B build-sim -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOLVENZA_GUI=OFF \
        -DVOLVENZA_TESTS=OFF -DVOLVENZA_BENCH=OFF "${launcher[@]}" >/dev/null
    cmake --build build-sim --target volvenza-sim
    sim=build-sim/bin/volvenza-sim
fi
case "$mode" in
    --build) ;;
    --test | --browser-test)
        node tests/web/core_test.js build-web/site "$sim" tests/data
        if [ "$mode" = --browser-test ]; then
            node tests/web/browser/page_test.js build-web/site "$sim" tests/data
        fi
        ;;
    --bench) node bench/web/core_bench.js build-web/site "$sim" tests/data ;;
    *)
        echo "Volvenza in the browser: http://127.0.0.1:8080/ (Ctrl+C stops)"
        cd build-web/site
        exec python3 -m http.server 8080 --bind 127.0.0.1
        ;;
esac
