#!/usr/bin/env bash
# The real panel as a screen reader reads it: over AT-SPI, on a session bus
# of its own with at-spi2-core's accessibility bus, in a virtual display,
# against the host simulator, which takes its messages from a pipe.
# atspi-panel.py reads and checks the tree, counts what the panel tells of
# new values and presses F4 through its action; this script checks that the
# host received F4's command. Then the same in German and in Japanese, with
# the title of the Options menu. The tree read in each language is left in
# DUMP_DIR/atspi-tree-LANGUAGE.txt.
#   atspi.sh PENDRA HOSTSIM FREE_UDP_PORTS DUMP_DIR
set -euo pipefail
pendra=$1 hostsim=$2 free_ports=$3 dump_dir=$4 wine_runner=

if [[ -z "${INSIDE_SESSION_BUS:-}" ]]; then
    INSIDE_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/common.sh"

fail() {
    echo "FAIL: $*"
    echo "--- simulator log"
    cat "$work/hostsim.log" || true
    echo "--- panel log"
    cat "$work"/pendra-*.log || true
    exit 1
}
has_owner() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}
# wait_for_log TEXT SECONDS: the simulator's log shows TEXT within SECONDS.
wait_for_log() {
    for _ in $(seq $(($2 * 10))); do
        grep -qF -- "$1" "$work/hostsim.log" && return 0
        sleep 0.1
    done
    return 1
}

# The accessibility bus, as a desktop session starts it: Qt turns to it once
# it is there, and QT_LINUX_ACCESSIBILITY_ALWAYS_ON stands in for a screen
# reader's asking.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
for _ in $(seq 100); do
    has_owner org.a11y.Bus && break
    sleep 0.1
done
has_owner org.a11y.Bus || fail "at-spi2-core's bus did not start"

ports=($("$free_ports" 2))
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Orvane/Metrova"
cat >"$XDG_CONFIG_HOME/Orvane/Metrova/$(basename "$pendra").conf" <<CONF
[General]
Local_IP_Address=127.0.0.1
Local_IP_Port=${ports[1]}
Remote_IP_Address=127.0.0.1
Remote_IP_Port=${ports[0]}
CONF

mkdir -p "$dump_dir"
mkfifo "$work/host-lines"
"$hostsim" --host-port "${ports[0]}" --panel-port "${ports[1]}" --script - --duration 200 \
    <"$work/host-lines" >"$work/hostsim.log" 2>&1 &
# Held open to the end, so that the simulator reads on between writers.
exec 7>"$work/host-lines"
wait_for_log 'Ctrl+C ends it' 10 || fail "the simulator did not start"

unset QT_QPA_PLATFORM
# read_panel LANGUAGE LANG: the panel started in that language, read, and ended.
read_panel() {
    local greetings
    greetings=$(grep -c -- '<- QVL_PENDRA_8:3' "$work/hostsim.log" || true)
    LANGUAGE=$1 LANG=$2 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$pendra" >"$work/pendra-$1.log" 2>&1 &
    local pid=$!
    for _ in $(seq 300); do
        [[ $(grep -c -- '<- QVL_PENDRA_8:3' "$work/hostsim.log" || true) -gt $greetings ]] && break
        sleep 0.1
    done
    /usr/bin/python3 "$(dirname "$0")/atspi-panel.py" "$1" "$dump_dir/atspi-tree-$1.txt" \
        "$work/host-lines" || fail "the panel in '$1' as read over AT-SPI"
    if [[ $1 == en ]]; then
        wait_for_log '<- QVL_PENDRA_4' 10 ||
            fail "F4 pressed through its accessible action sent the host nothing"
    fi
    kill -TERM "$pid"
    wait "$pid" || fail "the panel in '$1' ended with $?"
}
read_panel en C.UTF-8
read_panel de de_DE.UTF-8
read_panel ja ja_JP.UTF-8
echo "PASS: the panel read over AT-SPI in English, German and Japanese; F4 pressed through" \
    "its action reached the host; the trees read are in $dump_dir/atspi-tree-{en,de,ja}.txt"
