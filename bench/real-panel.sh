#!/usr/bin/env bash
# The real panel program under a virtual display, driven by pendra-bench as
# its host on 127.0.0.1, beside pendra-bare-loop doing the same job on a
# plain socket: CPU share and latency at steady rates, window updates,
# bursts, a host that answers every greeting, and the idle program; then a
# bare Qt window that shows a new number every frame, and the floor: the bare
# loop and the bare window together.
#   bench/real-panel.sh [BUILD_DIR]               (default build)
#   bench/real-panel.sh --wine [WINDOWS_BUILD]    pendra.exe beside pendra-bare-loop.exe
#                                                 and pendra-bare-window.exe under wine
#                                                 (default build-windows), one wine
#                                                 server for all, its CPU time counted
#                                                 with the program measured; host from
#                                                 build
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-lib.sh
wine=
if [[ "${1:-}" == "--wine" ]]; then
    wine=${2:-build-windows}
    build=build
else
    build=${1:-build}
fi
bench_under_xvfb "$0" "$@"

work=$(mktemp -d)
trap 'bench_cleanup "$work"' EXIT
ports=($("$build/tests/pendra_free_udp_ports" 3))
host_port=${ports[0]}
panel_port=${ports[1]}
bare_port=${ports[2]}
# One line a window update, counted by pendra-bench; wine hands a program
# WINEQT_X as QT_X, and no QT_ variable.
export QT_LOGGING_RULES="pendra.frames.debug=true" WINEQT_LOGGING_RULES="pendra.frames.debug=true"
unset QT_QPA_PLATFORM
server=()

# The bare loop is up before the panel starts.
if [[ -n "$wine" ]]; then
    bench_wine_prepare "$wine" "$work"
    bench_wine_server /dev/null
    server=(--server-pid "$wine_server_pid")
    bench_wine_settings "$panel_port" "$host_port"
    "${wine_run[@]}" "$wine_dist/pendra-bare-loop.exe" --port "$bare_port" --host-port "$host_port" \
        >/dev/null 2>&1 &
    bare_pid=$(bench_wine_pid pendra-bare-loop.exe)
else
    bench_linux_settings "$work/config" "$panel_port" "$host_port"
    "$build/bench/pendra-bare-loop" --port "$bare_port" --host-port "$host_port" &
    bare_pid=$!
fi
# So is the host.
timeout 600 "$build/bench/pendra-bench" --panel-port "$panel_port" --host-port "$host_port" \
    --pid-file "$work/pendra.pid" --bare-port "$bare_port" --bare-pid "$bare_pid" \
    --frame-log "$work/pendra.log" --figures "$work/figures" "${server[@]}" &
bench_pid=$!
sleep 0.5

if [[ -n "$wine" ]]; then
    # A Windows program's Qt log goes to the debugger unless told otherwise.
    WINEQT_FORCE_STDERR_LOGGING=1 "${wine_run[@]}" "$wine_dist/pendra.exe" >"$work/pendra.log" 2>&1 &
    timeout 60 xdotool search --sync --name '^Orvane VovIri$' >/dev/null
    pendra_pid=$(bench_wine_pid pendra.exe)
else
    "$build/ui/pendra" >"$work/pendra.log" 2>&1 &
    pendra_pid=$!
    timeout 60 xdotool search --sync --name '^Orvane VovIri$' >/dev/null
fi
echo "$pendra_pid" >"$work/pendra.pid"
wait "$bench_pid"

# The floor under the window's share: a bare Qt window that shows a new
# number every frame of the screen, on its own once the panel's run is over.
# The panel and the bare loop go first: under wine even their idle requests
# would count with the window, through the server.
kill "$pendra_pid" "$bare_pid" 2>/dev/null || true
timeout 10 tail --pid="$pendra_pid" -f /dev/null || true
timeout 10 tail --pid="$bare_pid" -f /dev/null || true
if [[ -n "$wine" ]]; then
    "${wine_run[@]}" "$wine_dist/pendra-bare-window.exe" >/dev/null 2>&1 &
    timeout 60 xdotool search --sync --name '^pendra-bare-window$' >/dev/null
    window_pid=$(bench_wine_pid pendra-bare-window.exe)
else
    "$build/bench/pendra-bare-window" >/dev/null 2>&1 &
    window_pid=$!
    timeout 60 xdotool search --sync --name '^pendra-bare-window$' >/dev/null
fi
sleep 1
timeout 60 "$build/bench/pendra-bench" --window-pid "$window_pid" --figures "$work/figures" \
    "${server[@]}"
