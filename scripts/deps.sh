#!/usr/bin/env bash
# Installs, with apt-get, whichever of the packages the build and the tests
# need are missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-translations-l10n qt6-l10n-tools
    xvfb xauth fonts-liberation fonts-dejavu-core poppler-utils
)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-14-dev)
fi
# Building and checking the Debian package (CI).
if [ "${1:-}" = "--package" ]; then
    packages+=(dpkg-dev lintian appstream desktop-file-utils shared-mime-info xdg-utils
        libfile-mimeinfo-perl)
fi

# The browser edition (scripts/web.sh): Debian's emscripten, with its node;
# for its tests a native volvenza-sim, Chromium and pdftotext.
if [ "${1:-}" = "--web" ]; then
    packages=(cmake ninja-build nlohmann-json3-dev emscripten nodejs node-acorn python3
        g++ ccache chromium poppler-utils fonts-dejavu-core)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
