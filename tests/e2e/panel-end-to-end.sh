#!/usr/bin/env bash
# The real panel program against the host simulator on 127.0.0.1, in a
# virtual X display: F1 to F5 pressed as a person would, then Esc.
#   panel-end-to-end.sh PENDRA HOSTSIM FREE_UDP_PORTS [WINE_RUNNER]
# With WINE_RUNNER, PENDRA is pendra.exe run through it under wine (with the
# qwindows platform and its settings in wine's registry), and the About item
# of its system menu is chosen too; the simulator and the port finder stay
# Linux programs.
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
    # Wine's helper processes of this prefix end with its server.
    [[ -z "$wine_runner" ]] || WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- simulator log"
    cat "$work/hostsim.log" || true
    exit 1
}

ports=($("$free_ports" 2))
host_port=${ports[0]}
panel_port=${ports[1]}
if [[ -n "$wine_runner" ]]; then
    [[ -f "$pendra" ]] || fail "no $pendra (tools/build-windows.sh lays it out)"
    # A prefix of its own, copied from the build's, so nothing else sees
    # this run's settings and its server can be ended afterwards.
    "$wine_runner" cmd /c exit >/dev/null 2>&1 || fail "wine does not start"
    cp -a "${PENDRA_WINEPREFIX:-$(dirname "$wine_runner")/wine}" "$work/wine"
    export PENDRA_WINEPREFIX="$work/wine"
    key='HKCU\Software\Orvane\Metrova\'"$(basename "$pendra" .exe)"
    add_value() { "$wine_runner" reg add "$key" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1; }
    add_value Local_IP_Address REG_SZ 127.0.0.1
    add_value Local_IP_Port REG_SZ "$panel_port"
    add_value Remote_IP_Address REG_SZ 127.0.0.1
    add_value Remote_IP_Port REG_SZ "$host_port"
    add_value DisplayErrors REG_DWORD 1
    run_panel() { "$wine_runner" "$pendra"; }
else
    export XDG_CONFIG_HOME="$work/config"
    mkdir -p "$XDG_CONFIG_HOME/Orvane/Metrova"
    cat > "$XDG_CONFIG_HOME/Orvane/Metrova/$(basename "$pendra").conf" <<CONF
[General]
Local_IP_Address=127.0.0.1
Local_IP_Port=$panel_port
Remote_IP_Address=127.0.0.1
Remote_IP_Port=$host_port
CONF
    run_panel() { "$pendra"; }
fi

"$hostsim" --host-port "$host_port" --panel-port "$panel_port" --version 2 --duration 120 \
    > "$work/hostsim.log" 2>&1 &
hostsim_pid=$!
for _ in $(seq 100); do
    grep -q 'Ctrl+C ends it' "$work/hostsim.log" && break
    kill -0 "$hostsim_pid" 2>/dev/null || fail "the simulator did not start"
    sleep 0.1
done

# The real display, not the offscreen platform the widget tests use.
unset QT_QPA_PLATFORM
run_panel > "$work/pendra.log" 2>&1 &
pendra_pid=$!
window=$(timeout 60 xdotool search --sync --name '^Orvane VovIri$' | head -n 1) ||
    fail "the panel window did not appear"
# No window manager here: give the window the keyboard focus ourselves.
xdotool windowfocus --sync "$window"
for _ in $(seq 100); do
    grep -q 'QVL_PENDRA_8:3' "$work/hostsim.log" && break
    sleep 0.1
done
sleep 1

for key in F1 F2 F3 F4 F5; do
    xdotool key "$key"
    sleep 0.4
done
sleep 1.5

if [[ -n "$wine_runner" ]]; then
    # The About item at the end of the window's system menu (Alt+Space;
    # Up wraps round to the last item), as an operator would choose it.
    xdotool key alt+space
    sleep 0.5
    xdotool key Up
    sleep 0.3
    xdotool key Return
    about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Pendra$' | head -n 1) ||
        fail "the system menu's About item showed no About box"
    xdotool windowfocus --sync "$about"
    xdotool key Escape
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^About Pendra$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool search --onlyvisible --name '^About Pendra$' >/dev/null 2>&1 &&
        fail "Esc did not close the About box"
    xdotool windowfocus --sync "$window"
fi
xdotool key Escape

# Esc stops the panel's worker at once, so nothing is answered after it. The
# simulator stops soon after, not when the process ends: a program under wine
# takes seconds longer to go, and the stream would count as unanswered.
sleep 0.3
kill -INT "$hostsim_pid"
wait "$hostsim_pid" || fail "the simulator failed"

status=0
for _ in $(seq 200); do
    kill -0 "$pendra_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pendra_pid" 2>/dev/null && fail "Esc did not close the panel"
wait "$pendra_pid" || status=$?
[[ $status -eq 0 ]] || fail "the panel exited with status $status: $(cat "$work/pendra.log")"
log="$work/hostsim.log"

grep -q '^summary: greetings [0-9]* (panel version 3)$' "$log" || fail "no greeting with version 3"
commands=$(grep -o '<- QVL_PENDRA_[1-5]' "$log" | tr '\n' ' ')
[[ "$commands" == "<- QVL_PENDRA_1 <- QVL_PENDRA_2 <- QVL_PENDRA_3 <- QVL_PENDRA_4 <- QVL_PENDRA_5 " ]] ||
    fail "the commands came as: $commands"
for n in 1 2 3 4 5; do
    grep -q "^summary: QVL_PENDRA_$n .*: 1$" "$log" || fail "QVL_PENDRA_$n not counted once"
done
acks=$(sed -n 's/^summary: acknowledgements: //p' "$log")
unacked=$(sed -n 's/^summary: coordinate messages unacknowledged: //p' "$log")
[[ $acks -gt 0 ]] || fail "no acknowledgement"
# Only what was on its way when the panel closed may stay unanswered.
[[ $unacked -le 5 ]] || fail "$unacked coordinate messages unacknowledged"
grep -q '^summary: unknown: 0$' "$log" || fail "the panel sent something unknown"

grep '^summary:' "$log"
echo "PASS: greeting, five commands in order, $acks acknowledgements, $unacked unacknowledged, exit 0"
