#!/usr/bin/env bash
# The main job: installs what is missing, builds the program and the demo
# package's resource library, lays them beside the demo package in
# build/media (as they stand on the installation media) and opens the
# wizard on it under Wine.
#
# With a display (DISPLAY set) the wizard runs until you finish or cancel
# it. Without one it runs on Xvfb: the script waits for the first page,
# keeps a screenshot of the screen in build/logs/wizard.png, and ends the
# run after DEMO_SECONDS (default 5).
#
# Until the program's own wizard start is built, the wizard is opened by
# wizard_run.exe, which starts the environment exactly as setup.exe does.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-machine.sh || exit 1
bash scripts/build.sh win || exit 1

source scripts/media.sh
stage_media package build/media
cp build/win/app/wizard_run.exe build/media/
rm -rf build/logs
mkdir -p build/logs

interactive=
[ -n "${DISPLAY:-}" ] && interactive=1
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start

if [ -n "$interactive" ]; then
    (cd build/media && wine wizard_run.exe .)
    status=$?
else
    (cd build/media && wine wizard_run.exe . </dev/null) &
    runner=$!
    sleep "${DEMO_SECONDS:-5}"
    import -window root build/logs/wizard.png 2>/dev/null &&
        echo "screenshot of the wizard: build/logs/wizard.png"
    wineserver -k
    wait "$runner"
    status=0
fi
echo "wizard_run.exe ended (code $status)"

# The run's log lies in the Wine user's temporary directory, which goes
# with the prefix: keep a copy and show it.
find "$WINEPREFIX/drive_c/users" -name 'wizard_run.exe*.log' -exec cp {} build/logs/ \; 2>/dev/null
for log in build/logs/*.log; do
    [ -e "$log" ] || continue
    echo "== $log"
    cat "$log"
done
exit "$status"
