#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and the demo need,
# when any is missing. Needs root only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest
    g++-mingw-w64-x86-64 wine wine64 xvfb x11-utils imagemagick
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "setup-machine: missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
fi
echo "setup-machine: installing ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
