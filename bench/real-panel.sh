#!/usr/bin/env bash
# The real panel program under a virtual display, driven by pendra-bench as
# its host on 127.0.0.1, beside pendra-bare-loop doing the same job on a
# plain socket: CPU share and latency at steady rates, window updates,
# bursts, a host that answers every greeting, and the idle program; then a
# bare Qt window that shows a new number every frame, the floor under the
# window's share.
#   bench/real-panel.sh [BUILD_DIR]               (default build)
#   bench/real-panel.sh --wine [WINDOWS_BUILD]    pendra.exe under wine (default
#                                                 build-windows), host and bare
#                                                 loop from build
set -euo pipefail
cd "$(dirname "$0")/.."
wine=
if [[ "${1:-}" == "--wine" ]]; then
    wine=${2:-build-windows}
    build=build
else
    build=${1:-build}
fi

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
    kill $(jobs -p) 2>/dev/null || true
    [[ -z "$wine" ]] || WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
ports=($("$build/tests/pendra_free_udp_ports" 3))
host_port=${ports[0]}
panel_port=${ports[1]}
bare_port=${ports[2]}
# One line a window update, counted by pendra-bench.
export QT_LOGGING_RULES="pendra.frames.debug=true"
unset QT_QPA_PLATFORM

# The host, and the bare loop beside the panel, are up before the panel starts.
"$build/bench/pendra-bare-loop" --port "$bare_port" --host-port "$host_port" &
bare_pid=$!
"$build/bench/pendra-bench" --panel-port "$panel_port" --host-port "$host_port" \
    --pid-file "$work/pendra.pid" --bare-port "$bare_port" --bare-pid "$bare_pid" \
    --frame-log "$work/pendra.log" &
bench_pid=$!
sleep 0.5

if [[ -n "$wine" ]]; then
    runner="$wine/wine-run.sh"
    "$runner" cmd /c exit >/dev/null 2>&1
    cp -a "$wine/wine" "$work/wine"
    export PENDRA_WINEPREFIX="$work/wine" PENDRA_WINE_BARE=1
    key='HKCU\Software\Orvane\Metrova\pendra'
    add_value() { "$runner" reg add "$key" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }
    add_value Local_IP_Address 127.0.0.1
    add_value Local_IP_Port "$panel_port"
    add_value Remote_IP_Address 127.0.0.1
    add_value Remote_IP_Port "$host_port"
    # Qt's log goes to the debugger channel under Windows; wine hands it on.
    WINEDEBUG=-all,+debugstr "$runner" "$wine/dist/pendra.exe" >"$work/pendra.log" 2>&1 &
else
    export XDG_CONFIG_HOME="$work/config"
    mkdir -p "$XDG_CONFIG_HOME/Orvane/Metrova"
    cat >"$XDG_CONFIG_HOME/Orvane/Metrova/pendra.conf" <<CONF
[General]
Local_IP_Address=127.0.0.1
Local_IP_Port=$panel_port
Remote_IP_Address=127.0.0.1
Remote_IP_Port=$host_port
CONF
    "$build/ui/pendra" >"$work/pendra.log" 2>&1 &
fi
timeout 60 xdotool search --sync --name '^Orvane VovIri$' >/dev/null
if [[ -n "$wine" ]]; then
    # The Windows program is a process of wine's, named after the executable.
    pendra_pid=$(pgrep -n -f 'pendra\.exe')
else
    pendra_pid=$!
fi
echo "$pendra_pid" >"$work/pendra.pid"
wait "$bench_pid"

# The floor under the window's share: a bare Qt window that shows a new
# number every frame of the screen, on its own once the panel's run is over.
if [[ -z "$wine" ]]; then
    "$build/bench/pendra-bare-window" >/dev/null 2>&1 &
    window_pid=$!
    timeout 60 xdotool search --sync --name '^pendra-bare-window$' >/dev/null
    sleep 1
    "$build/bench/pendra-bench" --window-pid "$window_pid"
fi
