# Sourced by the run scripts: a throwaway Wine prefix with a persistent
# wineserver and Wine's services already started, and an Xvfb display when
# none is set. wine_env_stop ends both so nothing holds the caller's output.

wine_env_start() {
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX
    WINEPREFIX=$(mktemp -d /tmp/setup-wine.XXXXXX)
    WINE_ENV_XVFB_PID=
    if [ -z "${DISPLAY:-}" ] || [ -n "${WINE_ENV_FORCE_XVFB:-}" ]; then
        local n
        for n in $(seq 90 140); do
            [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
            Xvfb ":${n}" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
            WINE_ENV_XVFB_PID=$!
            export DISPLAY=":${n}"
            break
        done
        local i
        for i in $(seq 50); do
            [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break
            sleep 0.1
        done
    fi
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

wine_env_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
    if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
        kill "$WINE_ENV_XVFB_PID" 2>/dev/null
        wait "$WINE_ENV_XVFB_PID" 2>/dev/null
    fi
    case "${WINEPREFIX:-}" in
        /tmp/setup-wine.*) rm -rf "$WINEPREFIX" ;;
    esac
}
