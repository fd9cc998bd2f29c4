#!/usr/bin/env bash
# Start-up benchmark: time from process start to the first wizard page
# painted, for the demo package under Wine, over several runs. Prints each
# run and the median; never fails on timing.
#   bash bench/first_paint.sh [RUNS]
# On Xvfb, which has no window manager, Wine waits about two seconds for
# every activated top-level window it hides or destroys; the progress window
# shown while the pages are built is one, so most of the figure there is
# that wait (the pages themselves are built in a few hundred milliseconds).
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}

bash scripts/setup-machine.sh >/dev/null || exit 1
bash scripts/build.sh win >/dev/null || exit 1

media=build/bench-media
source scripts/media.sh
stage_media package "$media"

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {if (NR == 0) print "?"; else if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

measure() {
    inside=()
    outside=()
    for i in $(seq "$runs"); do
        start=$(date +%s%N)
        line=$(wine build/win/app/wizard_run.exe --first-paint "$(winepath -w "$media")" 2>/dev/null |
               grep 'first page painted')
        end=$(date +%s%N)
        ms=$(echo "$line" | sed -n 's/.*after \([0-9.]*\) ms.*/\1/p')
        wall=$(( (end - start) / 1000000 ))
        echo "run $i: first page painted ${ms:-?} ms after the process started; ${wall} ms from the wine command to its end"
        [ -n "$ms" ] && inside+=("$ms")
        outside+=("$wall")
    done

    echo "median over $runs runs ($1): first paint $(median "${inside[@]}") ms after process start; whole wine command $(median "${outside[@]}") ms"
}

if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    measure "Xvfb"
else
    measure "your display"
fi
