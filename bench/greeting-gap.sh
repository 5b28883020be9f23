#!/usr/bin/env bash
# How soon the real panel program answers a host's version message with its
# greeting: pendra-bench as the host on 127.0.0.1, the panel on Qt's
# offscreen platform, COUNT versions after a pause and COUNT sent as each
# greeting comes.
#   bench/greeting-gap.sh [BUILD_DIR] [COUNT]       (default build, 1000)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/bench-lib.sh
build=${1:-build}
count=${2:-1000}

work=$(mktemp -d)
trap 'bench_cleanup "$work"' EXIT
ports=($("$build/tests/pendra_free_udp_ports" 2))
bench_linux_settings "$work/config" "${ports[1]}" "${ports[0]}"
# The host is up before the panel starts, and takes its opening greeting.
timeout 600 "$build/bench/pendra-bench" --greetings "$count" --panel-port "${ports[1]}" \
    --host-port "${ports[0]}" --pid-file "$work/pendra.pid" &
bench_pid=$!
sleep 0.5
QT_QPA_PLATFORM=offscreen "$build/ui/pendra" >"$work/pendra.log" 2>&1 &
pendra_pid=$!
echo "$pendra_pid" >"$work/pendra.pid"
wait "$bench_pid"
