#!/usr/bin/env bash
# A host that starts after the panel. The real panel greets a port where
# nothing listens yet, and the host's machine refuses the greeting; 10 s
# later the host simulator comes up and speaks first: its version, then
# positions. With no Restart the panel must hear it, answer the version with
# its greeting and acknowledge every position. The panel's values come from
# the machine-wide defaults alone, as IT would set them.
#   late-host.sh PENDRA HOSTSIM FREE_UDP_PORTS [WINE_RUNNER]
# With WINE_RUNNER, PENDRA is pendra.exe run through it under wine.
set -euo pipefail

pendra=$1
hostsim=$2
free_ports=$3
wine_runner=${4:-}

if [[ -z "${INSIDE_XVFB:-}" ]]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
    kill $(jobs -p) 2>/dev/null || true
    [[ -z "$wine_runner" ]] || WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    echo "--- simulator log"
    cat "$work/hostsim.log" 2>/dev/null || true
    exit 1
}

ports=($("$free_ports" 2))
host_port=${ports[0]}
panel_port=${ports[1]}
name=$(basename "$pendra" .exe)
if [[ -n "$wine_runner" ]]; then
    "$wine_runner" cmd /c exit >/dev/null 2>&1 || fail "wine does not start"
    cp -a "${PENDRA_WINEPREFIX:-$(dirname "$wine_runner")/wine}" "$work/wine"
    export PENDRA_WINEPREFIX="$work/wine"
    machine_value() {
        "$wine_runner" reg add "HKLM\\Software\\Orvane\\Metrova\\$name" /v "$1" /d "$2" /f \
            /reg:64 >/dev/null 2>&1 || fail "reg add $1 failed"
    }
    "$wine_runner" reg delete "HKCU\\Software\\Orvane\\Metrova\\$name" /f >/dev/null 2>&1 || true
    run_panel() { "$wine_runner" "$pendra"; }
else
    export XDG_CONFIG_HOME="$work/user" XDG_CONFIG_DIRS="$work/machine"
    mkdir -p "$XDG_CONFIG_DIRS/Orvane/Metrova"
    echo "[General]" >"$XDG_CONFIG_DIRS/Orvane/Metrova/$name.conf"
    machine_value() { echo "$1=$2" >>"$XDG_CONFIG_DIRS/Orvane/Metrova/$name.conf"; }
    run_panel() { "$pendra"; }
fi
machine_value Local_IP_Address 127.0.0.1
machine_value Local_IP_Port "$panel_port"
machine_value Remote_IP_Address 127.0.0.1
machine_value Remote_IP_Port "$host_port"

unset QT_QPA_PLATFORM
run_panel >"$work/pendra.log" 2>&1 &
timeout 60 xdotool search --sync --onlyvisible --name '^Orvane VovIri$' >/dev/null ||
    fail "the panel window did not appear"
sleep 10

# The host speaks first: its version, then positions at a steady pace.
positions=20
{
    echo "Version:2"
    for i in $(seq "$positions"); do echo "QVL_IP_COORD:$i,2,3,4,5,6"; done
} >"$work/script"
"$hostsim" --host-port "$host_port" --panel-port "$panel_port" --script "$work/script" \
    --pace 100 >"$work/hostsim.log" 2>&1 || fail "the simulator failed"

log="$work/hostsim.log"
grep -q '<- QVL_PENDRA_8:3' "$log" || fail "the version was not answered with a greeting"
acks=$(sed -n 's/^summary: acknowledgements: //p' "$log")
[[ $acks -eq $positions ]] || fail "$acks of $positions positions acknowledged"
echo "PASS: a host that came 10 s after the panel was greeted and $acks positions acknowledged"
