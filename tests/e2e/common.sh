# Sourced by the end-to-end scripts once $wine_runner is set (empty for the
# Linux panel): runs the script again inside a virtual X display, gives it a
# work folder that goes at the end with every program it started, and lends
# it a wine prefix of its own.

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
    local started
    started=$(jobs -p)
    kill $started 2>/dev/null || true
    # A panel asked to end closes as Exit does and stores its placement in
    # the work folder on its way out: the folder goes once it has, or after 10 s.
    for pid in $started; do
        for _ in $(seq 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
    done
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

# find_window PATTERN SECONDS: the first visible window whose name matches,
# looked for until SECONDS pass. Wine makes and drops short-lived X windows
# while a program starts, and one that goes during a search fails that
# search with an X error: so each failed search is simply made again.
find_window() {
    local deadline=$((SECONDS + $2)) found
    while ((SECONDS < deadline)); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [[ -n "$found" ]] && echo "$found" && return 0
        sleep 0.2
    done
    return 1
}
