#!/usr/bin/env bash
# A host that starts 10 s after the panel, whose greeting its machine refused,
# and speaks first: with no Restart the panel must answer its version with a
# greeting and acknowledge every position. The panel's values are IT's
# machine-wide ones alone. Then the system asks the panel to end (SIGTERM, or
# under wine the end of the session): it closes as Exit does, and stores
# where its window stood. With WINE_RUNNER, PENDRA is pendra.exe under wine.
#   late-host.sh PENDRA HOSTSIM FREE_UDP_PORTS [WINE_RUNNER]
set -euo pipefail
pendra=$1 hostsim=$2 free_ports=$3 wine_runner=${4:-}
source "$(dirname "$0")/common.sh"
fail() { echo "FAIL: $*"; cat "$work/hostsim.log" 2>/dev/null || true; exit 1; }

ports=($("$free_ports" 2))
name=$(basename "$pendra" .exe)
if [[ -n "$wine_runner" ]]; then
    use_own_wine_prefix
    machine_value() {
        "$wine_runner" reg add "HKLM\\Software\\Orvane\\Metrova\\$name" /v "$1" /d "$2" /f \
            /reg:64 >/dev/null 2>&1 || fail "reg add $1 failed"
    }
else
    export XDG_CONFIG_HOME="$work/user" XDG_CONFIG_DIRS="$work/machine"
    mkdir -p "$work/machine/Orvane/Metrova"
    echo "[General]" >"$work/machine/Orvane/Metrova/$name.conf"
    machine_value() { echo "$1=$2" >>"$work/machine/Orvane/Metrova/$name.conf"; }
fi
machine_value Local_IP_Address 127.0.0.1
machine_value Local_IP_Port "${ports[1]}"
machine_value Remote_IP_Address 127.0.0.1
machine_value Remote_IP_Port "${ports[0]}"

unset QT_QPA_PLATFORM
${wine_runner:+"$wine_runner"} "$pendra" >"$work/pendra.log" 2>&1 &
pendra_pid=$!
find_window '^Orvane VovIri$' 60 >/dev/null || fail "the panel window did not appear"
sleep 10
{
    echo "Version:2"
    seq 20 | sed 's/.*/QVL_IP_COORD:&,2,3,4,5,6/'
} >"$work/script"
# The panel may take up to 2 s to hear a host that came late, longer on a
# loaded machine: the simulator listens 10 s in all, not 1 s past its script.
"$hostsim" --host-port "${ports[0]}" --panel-port "${ports[1]}" --script "$work/script" \
    --pace 100 --duration 10 >"$work/hostsim.log" 2>&1 || fail "the simulator failed"
grep -q '<- QVL_PENDRA_8:3' "$work/hostsim.log" || fail "the version was not answered with a greeting"
acks=$(sed -n 's/^summary: acknowledgements: //p' "$work/hostsim.log")
[[ $acks -eq 20 ]] || fail "$acks of 20 positions acknowledged"

if [[ -n "$wine_runner" ]]; then
    ending="the end of the session"
    "$wine_runner" wineboot --end-session >/dev/null 2>&1 || true
    placement_stored() {
        "$wine_runner" reg query "HKCU\\Software\\Orvane\\Metrova\\$name" /v Window_Geometry \
            >/dev/null 2>&1
    }
else
    ending="SIGTERM"
    kill -TERM "$pendra_pid"
    placement_stored() { grep -q '^Window_Geometry=' "$XDG_CONFIG_HOME/Orvane/Metrova/$name.conf"; }
fi
for _ in $(seq 200); do
    kill -0 "$pendra_pid" 2>/dev/null || break
    sleep 0.1
done
! kill -0 "$pendra_pid" 2>/dev/null || fail "$ending did not end the panel within 20 s"
# Windows ends a program whose session has ended once it has answered, so
# under wine only the ending itself counts, not how.
if [[ -z "$wine_runner" ]]; then
    wait "$pendra_pid" || fail "the panel ended by $ending exited with $?"
fi
placement_stored || fail "the panel ended by $ending did not store its placement"
echo "PASS: a host that came 10 s after the panel was greeted and $acks positions acknowledged;" \
    "$ending closed the panel, which stored its placement"
