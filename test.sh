#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once plainly, once
# under AddressSanitizer with UndefinedBehaviorSanitizer, and the threaded
# tests once more under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
werror=OFF
[[ -n "${CI:-}" ]] && werror=ON

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
export QT_QPA_PLATFORM=offscreen

summary=()
total_passed=0

run_suite() {
    local name=$1 dir=$2 label=$3
    shift 3
    echo "=== $name: configure and build in $dir"
    cmake -S . -B "$dir" -G Ninja -DPENDRA_WERROR="$werror" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    echo "=== $name: test"
    local log="$dir/ctest.log"
    local args=(--test-dir "$dir" -j "$jobs" --output-on-failure --timeout 300)
    [[ -n "$label" ]] && args+=(-L "$label")
    if ctest "${args[@]}" 2>&1 | tee "$log"; then
        local line count
        line=$(grep -E 'tests passed' "$log" | tail -n 1)
        count=$(sed -n 's/.* out of \([0-9]*\).*/\1/p' <<<"$line")
        total_passed=$((total_passed + count))
        summary+=("$name: $line")
    else
        summary+=("$name: FAILED")
        echo "=== $name failed"
        printf '%s\n' "${summary[@]}"
        exit 1
    fi
}

run_suite "plain" build "" -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite "address+undefined" build-asan "" -DCMAKE_BUILD_TYPE=Debug -DPENDRA_SANITIZE=address+undefined
run_suite "thread" build-tsan threaded -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENDRA_SANITIZE=thread \
    -DPENDRA_THREADED_TESTS_ONLY=ON

echo "=== summary"
printf '%s\n' "${summary[@]}"
echo "total: $total_passed passed, 0 failed"
