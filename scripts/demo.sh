#!/usr/bin/env bash
# Installs what is missing, builds setup.exe, lays it beside the demo
# package in build/media (as it would stand on the installation media) and
# runs it under Wine, on the user's display or on Xvfb when there is none.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-machine.sh || exit 1
bash scripts/build.sh win || exit 1

rm -rf build/media build/logs
mkdir -p build/media
cp -r package/. build/media/
cp build/win/app/setup.exe build/media/

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start

(cd build/media && wine setup.exe "$@")
status=$?
echo "setup.exe exited with code $status"

# The run's log lies in the Wine user's temporary directory, which goes
# with the prefix: keep a copy beside the media and show it.
mkdir -p build/logs
find "$WINEPREFIX/drive_c/users" -name 'setup.exe*.log' -exec cp {} build/logs/ \; 2>/dev/null
for log in build/logs/*.log; do
    [ -e "$log" ] || continue
    echo "== $log"
    cat "$log"
done
exit "$status"
