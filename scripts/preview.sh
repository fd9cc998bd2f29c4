#!/usr/bin/env bash
# Page preview for package makers: builds the program, lays the package
# beside it (as scripts/demo.sh does) and writes a picture of every page of
# the package's page list, with one summary line per page.
#   bash scripts/preview.sh [PACKAGE_DIR] [OUT_DIR] [PAGE_LIST_SECTION]
# PACKAGE_DIR defaults to package/, OUT_DIR to build/preview. Pictures are
# PNG when ImageMagick's convert is there, BMP otherwise. Runs on the user's
# display, or on Xvfb when none is set.
set -uo pipefail
cd "$(dirname "$0")/.."

package=$(realpath "${1:-package}")
out=$(realpath -m "${2:-build/preview}")
list=${3:-}

bash scripts/setup-machine.sh || exit 1
bash scripts/build.sh win || exit 1

media=build/preview-media
source scripts/media.sh
stage_media "$package" "$media"
rm -rf "$out"
mkdir -p "$out"

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start

wine build/win/app/page_preview.exe "$(winepath -w "$media")" "$(winepath -w "$out")" $list
status=$?
if command -v convert >/dev/null; then
    for bmp in "$out"/*.bmp; do
        [ -e "$bmp" ] || continue
        convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
    done
fi
echo "pictures in $out"
exit "$status"
