# Sourced by the bench scripts: the virtual display, the panel's settings in
# a temporary folder or in wine's registry, and wine programs in a prefix of
# the script's own, with a wine server the script starts and ends itself.

# Runs the calling script again under a virtual display of its own, unless
# it runs under one already.
bench_under_xvfb() {
    if [[ -z "${INSIDE_XVFB:-}" ]]; then
        INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
    fi
}

# The panel's settings for the Linux program, in a folder of the script's:
# bench_linux_settings CONFIG_HOME PANEL_PORT HOST_PORT
bench_linux_settings() {
    export XDG_CONFIG_HOME="$1"
    mkdir -p "$XDG_CONFIG_HOME/Orvane/Metrova"
    cat >"$XDG_CONFIG_HOME/Orvane/Metrova/pendra.conf" <<CONF
[General]
Local_IP_Address=127.0.0.1
Local_IP_Port=$2
Remote_IP_Address=127.0.0.1
Remote_IP_Port=$3
CONF
}

# A prefix of the script's own, copied from the Windows build's (made once,
# by its wrapper), and a folder with the dist folder's files and the two
# bench programs beside them, so that every program finds its DLLs and Qt
# plugins as on a Windows PC:
# bench_wine_prepare WINDOWS_BUILD WORK
# It sets wine_prefix, wine_dist, and wine_run: the command that runs a
# Windows program there, with WINEDEBUG as the caller sets it.
bench_wine_prepare() {
    local build=$1 work=$2
    for file in wine-run.sh dist/pendra.exe bench/pendra-bare-loop.exe \
        bench/pendra-bare-window.exe; do
        if [[ ! -e "$build/$file" ]]; then
            echo "bench: no $build/$file; run tools/build-windows.sh $build first" >&2
            return 1
        fi
    done
    # The build's wrapper makes its prefix on first use; it is copied, not
    # used, since the build's tests may run in it meanwhile.
    if [[ ! -f "$build/wine/system.reg" ]]; then
        timeout 300 "$build/wine-run.sh" cmd /c exit >/dev/null 2>&1
    fi
    wine_prefix="$work/wine"
    cp -a "$build/wine" "$wine_prefix"
    wine_dist="$work/dist"
    cp -a "$build/dist" "$wine_dist"
    cp "$build/bench/pendra-bare-loop.exe" "$build/bench/pendra-bare-window.exe" "$wine_dist/"
    # Wine takes WINEDEBUG from the caller: none unless a program asks.
    export WINEDEBUG=-all
    # A command, not a function: started with &, $! is then the program's
    # own launcher, which a kill reaches.
    wine_run=(env WINEPREFIX="$wine_prefix" WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
        timeout 600 wine)
}

# Starts the prefix's wine server, for as long as the script runs, and wine's
# own services with no output of ours, so that no program started later
# starts them with its output and its WINEDEBUG. The server's process id goes
# to wine_server_pid; its own log (with -d1, every request) to LOG.
# bench_wine_server LOG [-d1]
bench_wine_server() {
    local log=$1
    shift
    local tries
    WINEPREFIX="$wine_prefix" wineserver -f -p "$@" 2>"$log" &
    wine_server_pid=$!
    # A program started before the server listens would start one of its own.
    for ((tries = 0; tries < 300; tries++)); do
        [[ -S "/proc/$wine_server_pid/cwd/socket" ]] && break
        sleep 0.1
    done
    "${wine_run[@]}" cmd /c exit >/dev/null 2>&1
}

# The panel's settings in the prefix's registry:
# bench_wine_settings PANEL_PORT HOST_PORT
bench_wine_settings() {
    local key='HKCU\Software\Orvane\Metrova\pendra' name value
    set -- Local_IP_Address 127.0.0.1 Local_IP_Port "$1" Remote_IP_Address 127.0.0.1 \
        Remote_IP_Port "$2"
    while (($#)); do
        name=$1 value=$2
        shift 2
        "${wine_run[@]}" reg add "$key" /v "$name" /t REG_SZ /d "$value" /f >/dev/null 2>&1
    done
}

# The process id of a Windows program of the script's prefix: wine starts a
# program through a launcher, sometimes as a process of its own, so $! does
# not find it, and other prefixes may run the same program. Its first word
# is the program's path.
# bench_wine_pid NAME.exe
bench_wine_pid() {
    local pid tries first
    for ((tries = 0; tries < 600; tries++)); do
        for pid in $(pgrep -f "$1" || true); do
            first=$(tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | head -n 1 || true)
            [[ "$first" == "$1" || "$first" == *[/\\]"$1" ]] || continue
            if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null |
                grep -qxF "WINEPREFIX=$wine_prefix"; then
                echo "$pid"
                return 0
            fi
        done
        sleep 0.1
    done
    echo "bench: no process $1 in $wine_prefix" >&2
    return 1
}

# Ends what the script started: its jobs, the prefix's server with every
# program of it, and its folder (kept, with the logs, when PENDRA_BENCH_KEEP
# is set).
# bench_cleanup WORK
bench_cleanup() {
    local work=$1
    # The server first: it ends its programs with it. A server ended by a
    # signal leaves them running, with no server.
    if [[ -n "${wine_prefix:-}" ]]; then
        WINEPREFIX="$wine_prefix" timeout 30 wineserver -k 2>/dev/null || true
    fi
    kill $(jobs -p) 2>/dev/null || true
    wait 2>/dev/null || true
    if [[ -n "${PENDRA_BENCH_KEEP:-}" ]]; then
        echo "bench: logs kept in $work" >&2
    else
        rm -rf "$work"
    fi
}
