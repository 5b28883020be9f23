#!/usr/bin/env bash
# Installs what is missing, builds and starts the panel.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display found: the panel is a desktop window and needs one." >&2
    echo "On a machine without a screen, run it under a virtual display:" >&2
    echo "  sudo apt-get install -y xvfb xauth && xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec build/ui/pendra "$@"
