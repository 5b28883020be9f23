#!/usr/bin/env bash
# Installs what is missing, builds and starts the panel.
#   ./run.sh          the demo: the panel against the host simulator on 127.0.0.1
#   ./run.sh --panel  the panel alone, with your own settings, for a real host
set -euo pipefail
cd "$(dirname "$0")"

mode=demo
case "${1:-}" in
"") ;;
--panel) mode=panel ;;
*)
    echo "usage: ./run.sh [--panel]" >&2
    exit 2
    ;;
esac

./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display found: the panel is a desktop window and needs one." >&2
    echo "On a machine without a screen, run it under a virtual display:" >&2
    echo "  xvfb-run -a ./run.sh $*" >&2
    exit 1
fi

if [[ $mode == panel ]]; then
    exec build/ui/pendra
fi

# The demo keeps its settings under build/, so the user's own stay untouched.
demo_config="$PWD/build/demo-config"
mkdir -p "$demo_config/Orvane/Metrova"
cat > "$demo_config/Orvane/Metrova/pendra.conf" <<'CONF'
[General]
Local_IP_Address=127.0.0.1
Local_IP_Port=7714
Remote_IP_Address=127.0.0.1
Remote_IP_Port=7712
DisplayErrors=1
CONF

echo "Demo: the host simulator on 127.0.0.1:7712, the panel on 127.0.0.1:7714."
echo "Press F1 to F5 or click the buttons; close the panel to end the demo."
build/tools/pendra-hostsim &
hostsim=$!
stop_hostsim() {
    if kill -0 "$hostsim" 2>/dev/null; then
        kill -INT "$hostsim"
        wait "$hostsim" || true
    fi
}
trap stop_hostsim EXIT
sleep 0.5
if ! kill -0 "$hostsim" 2>/dev/null; then
    echo "The host simulator could not start (is port 7712 on 127.0.0.1 in use?)." >&2
    exit 1
fi

status=0
XDG_CONFIG_HOME="$demo_config" build/ui/pendra || status=$?
stop_hostsim
exit "$status"
