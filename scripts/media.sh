# Sourced by the run scripts: lays a package out as it stands on the
# installation media, with setup.exe beside it. For the demo package also
# its resource library (the page bitmaps) and its animation clip, both made
# by the build.
#   stage_media PACKAGE_DIR MEDIA_DIR
stage_media() {
    local package media
    package=$(realpath "$1")
    media=$2
    rm -rf "$media"
    mkdir -p "$media"
    cp -r "$package"/. "$media"/
    cp build/win/app/setup.exe "$media"/
    if [ "$package" = "$(realpath package)" ]; then
        cp build/win/extensions/resources/PSres.dll "$media"/
        cp build/win/extensions/resources/koruna.avi "$media"/data/
    fi
}
