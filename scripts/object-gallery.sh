#!/usr/bin/env bash
# Takes the screenshot of a page with every object kind that the package
# makers' documentation shows (package/docs/objects.png), on Xvfb.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-machine.sh || exit 1
bash scripts/build.sh win || exit 1

source scripts/wine-env.sh
export WINE_ENV_FORCE_XVFB=1
trap wine_env_stop EXIT
wine_env_start

(cd build/win/tests/wizard && wine object_gallery.exe 5000) &
sleep 3.5
import -window root build/objects-full.png
wait
convert build/objects-full.png -trim +repage package/docs/objects.png
echo "package/docs/objects.png written"
