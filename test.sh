#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once plainly, once
# under AddressSanitizer with UndefinedBehaviorSanitizer (with the minute-long
# soak test), the threaded tests once more under ThreadSanitizer, the fuzz
# targets under libFuzzer, and the Windows build under wine when a Qt for
# Windows is there ($PENDRA_QT_WINDOWS or ../shared/qt6-windows).
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

# run_suite NAME SOURCE BUILD_DIR "CTEST SELECTION" CMAKE_ARGS...
run_suite() {
    local name=$1 source=$2 dir=$3 selection=$4
    shift 4
    local started=$SECONDS
    echo "=== $name: configure and build in $dir"
    cmake -S "$source" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    run_tests "$name" "$dir" "$selection" "$started"
}

# run_tests NAME BUILD_DIR "CTEST SELECTION" STARTED
run_tests() {
    local name=$1 dir=$2 selection=$3 started=$4
    echo "=== $name: test"
    local log="$dir/ctest.log"
    local args=(--test-dir "$dir" -j "$jobs" --output-on-failure --timeout 300)
    # shellcheck disable=SC2206 # the selection is a list of ctest options
    [[ -n "$selection" ]] && args+=($selection)
    if ctest "${args[@]}" 2>&1 | tee "$log"; then
        local line count
        line=$(grep -E 'tests passed' "$log" | tail -n 1)
        count=$(sed -n 's/.* out of \([0-9]*\).*/\1/p' <<<"$line")
        total_passed=$((total_passed + count))
        summary+=("$name: $line ($((SECONDS - started)) s)")
    else
        summary+=("$name: FAILED")
        echo "=== $name failed"
        printf '%s\n' "${summary[@]}"
        exit 1
    fi
}

# The soak test runs once, where the sanitizers watch it.
run_suite "plain" . build "-LE soak" -DPENDRA_WERROR="$werror" -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite "address+undefined" . build-asan "" -DPENDRA_WERROR="$werror" -DCMAKE_BUILD_TYPE=Debug \
    -DPENDRA_SANITIZE=address+undefined
run_suite "thread" . build-tsan "-L threaded" -DPENDRA_WERROR="$werror" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENDRA_SANITIZE=thread -DPENDRA_THREADED_TESTS_ONLY=ON
# libFuzzer targets, built with clang, about 20 s each.
run_suite "fuzz" tests/fuzz build-fuzz "-L fuzz" -DCMAKE_CXX_COMPILER=clang++

# Windows: cross-built, its tests and the end-to-end test (against the plain
# build's simulator) under wine.
qt_windows=${PENDRA_QT_WINDOWS:-../shared/qt6-windows}
if [[ -f "$qt_windows/mingw-w64-x86_64.cmake" ]]; then
    started=$SECONDS
    PENDRA_QT_WINDOWS="$qt_windows" PENDRA_LINUX_BUILD="$PWD/build" tools/build-windows.sh build-windows
    # build-windows/wine-run.sh keeps one wine server up across the tests;
    # it ends with the run.
    trap 'WINEPREFIX="$PWD/build-windows/wine" wineserver -k 2>/dev/null || true' EXIT
    run_tests "windows" build-windows "" "$started"
elif [[ -n "${CI:-}" ]]; then
    echo "=== windows: no Qt for Windows at $qt_windows; CI does not skip Windows" >&2
    exit 1
else
    echo "=== windows: skipped, no Qt for Windows at $qt_windows (set PENDRA_QT_WINDOWS)"
    summary+=("windows: skipped, no Qt for Windows")
fi

echo "=== summary"
printf '%s\n' "${summary[@]}"
echo "total: $total_passed passed, 0 failed"
