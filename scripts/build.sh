#!/usr/bin/env bash
# Builds the Windows program and its tests (build/win) and, unless told
# "win", the native pure-logic tests under sanitizers (build/native).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win

if [ "${1:-}" != "win" ]; then
    cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build/native
fi
