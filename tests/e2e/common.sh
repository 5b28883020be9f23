# Sourced by the end-to-end scripts once $wine_runner is set (empty for the
# Linux panel): runs the script again inside a virtual X display, gives it a
# work folder that goes at the end with every program it started, and lends
# it a wine prefix of its own.

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
    kill $(jobs -p) 2>/dev/null || true
    # Wine's helper processes of this prefix end with its server.
    [[ -z "$wine_runner" ]] || WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A prefix copied from the build's, so nothing else sees this run's settings
# and its server can be ended afterwards. The script's own fail() reports.
use_own_wine_prefix() {
    "$wine_runner" cmd /c exit >/dev/null 2>&1 || fail "wine does not start"
    cp -a "${PENDRA_WINEPREFIX:-$(dirname "$wine_runner")/wine}" "$work/wine"
    export PENDRA_WINEPREFIX="$work/wine"
}
