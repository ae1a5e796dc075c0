# Sourced by the scripts that build: `launcher` holds the CMake option that
# compiles through ccache when it is installed, and nothing otherwise.
# Paths are keyed relative to this clone, and the build folder is left out of
# the key even for objects with debug info (ccache keeps it in by default),
# so another build folder or a clone elsewhere takes the objects already
# compiled; their debug info may then name the folder that compiled them
# first, a sibling of this one.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD"
    export CCACHE_NOHASHDIR=true
fi
