#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the
# Windows test programs under Wine (throwaway prefix, Xvfb display) and the
# native ones under AddressSanitizer and UBSan. Ends with one summary line.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-machine.sh || exit 1
bash scripts/build.sh || exit 1

source scripts/wine-env.sh
trap wine_env_stop EXIT
export WINE_ENV_FORCE_XVFB=1
wine_env_start

passed=0
failed=0
count() {
    local log=$1
    local line
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        return
    fi
    local total bad
    total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
    bad=$(echo "$line" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

for dir in build/win build/native; do
    echo "== ctest in $dir"
    (cd "$dir" && ctest --output-on-failure --timeout 300) 2>&1 | tee "$dir/ctest.log"
    count "$dir/ctest.log"
done

echo "summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
