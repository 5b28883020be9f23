#!/usr/bin/env bash
# Installs what is missing, builds and starts the panel.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

if [[ ! -x build/ui/pendra ]]; then
    echo "The link, protocol and settings are built and tested (./test.sh);"
    echo "the panel window itself is not built yet."
    exit 0
fi
exec build/ui/pendra "$@"
