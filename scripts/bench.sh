#!/usr/bin/env bash
# Builds the benchmarks and runs each under Wine; they print their figures.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-machine.sh || exit 1
bash scripts/build.sh win || exit 1

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start

for bench in build/win/bench/*.exe; do
    echo "== $(basename "$bench")"
    wine "$bench"
done
