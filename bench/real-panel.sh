#!/usr/bin/env bash
# The real panel program under a virtual display, driven by pendra-bench as
# its host on 127.0.0.1: acknowledgement latency at steady rates, bursts, and
# what the program costs while the host is silent.
#   bench/real-panel.sh [BUILD_DIR]     (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
ports=($("$build/tests/pendra_free_udp_ports" 2))
host_port=${ports[0]}
panel_port=${ports[1]}
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Orvane/Metrova"
cat >"$XDG_CONFIG_HOME/Orvane/Metrova/pendra.conf" <<CONF
[General]
Local_IP_Address=127.0.0.1
Local_IP_Port=$panel_port
Remote_IP_Address=127.0.0.1
Remote_IP_Port=$host_port
CONF

unset QT_QPA_PLATFORM
"$build/ui/pendra" >"$work/pendra.log" 2>&1 &
pendra_pid=$!
timeout 60 xdotool search --sync --name '^Orvane VovIri$' >/dev/null
"$build/bench/pendra-bench" --panel-port "$panel_port" --host-port "$host_port" --pid "$pendra_pid"
kill "$pendra_pid"
