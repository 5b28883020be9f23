#!/usr/bin/env bash
# What the real panel costs when left alone under a virtual display: once
# connected to a silent host, once greeting a port where nothing listens
# ("No answer"), once unable to bind its port (another process holds it) and
# trying again every 2 s.
#   bench/idle-panel.sh [BUILD_DIR]     (default build)
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

echo "connected, the host silent:"
# A host that takes the greeting and answers nothing.
"$build/bench/pendra-bare-loop" --port "$host_port" --host-port "$panel_port" &
host_pid=$!
"$build/ui/pendra" >"$work/connected.log" 2>&1 &
pendra_pid=$!
timeout 60 xdotool search --sync --name '^Orvane VovIri$' >/dev/null
sleep 1
"$build/bench/pendra-bench" --idle-pid "$pendra_pid"
kill "$pendra_pid" "$host_pid"
wait "$pendra_pid" "$host_pid" 2>/dev/null || true

echo "nothing listens on the host's port (No answer):"
"$build/ui/pendra" >"$work/no-answer.log" 2>&1 &
pendra_pid=$!
timeout 60 xdotool search --sync --name '^Orvane VovIri$' >/dev/null
sleep 1
"$build/bench/pendra-bench" --idle-pid "$pendra_pid"
kill "$pendra_pid"
wait "$pendra_pid" 2>/dev/null || true

echo "its port held by another process, trying again every 2 s:"
"$build/bench/pendra-bare-loop" --port "$panel_port" --host-port "$host_port" &
"$build/ui/pendra" >"$work/retrying.log" 2>&1 &
pendra_pid=$!
# The first failure shows its box before the window; it stays up.
timeout 60 xdotool search --sync --name '^pendra$' >/dev/null
sleep 1
"$build/bench/pendra-bench" --idle-pid "$pendra_pid"
