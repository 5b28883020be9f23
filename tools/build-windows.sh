#!/usr/bin/env bash
# Cross-builds Pendra for 64-bit Windows with MinGW-w64 (the -posix
# compilers), lays out BUILD_DIR/dist, the folder that runs when copied to a
# Windows PC, and packs it as BUILD_DIR/pendra-1.3-windows-x64.zip and, with
# wixl, as the installer BUILD_DIR/pendra-1.3-x64.msi.
#   tools/build-windows.sh [BUILD_DIR]        default: build-windows
# The Qt for Windows comes from $PENDRA_QT_WINDOWS, or else from
# ../shared/qt6-windows beside the project. The tests are built too:
# ctest --test-dir BUILD_DIR runs them under wine; with PENDRA_LINUX_BUILD
# naming a Linux build tree, they include the end-to-end test against its
# pendra-hostsim.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-windows}
mkdir -p "$build"
build=$(cd "$build" && pwd)
qt=${PENDRA_QT_WINDOWS:-$root/../shared/qt6-windows}
if [[ ! -f "$qt/mingw-w64-x86_64.cmake" ]]; then
    echo "build-windows: no Qt for Windows at $qt (set PENDRA_QT_WINDOWS)" >&2
    exit 3
fi
qt=$(cd "$qt" && pwd)
toolchain="$qt/mingw-w64-x86_64.cmake"
jobs=$(nproc 2>/dev/null || echo 2)
werror=OFF
[[ -n "${CI:-}" ]] && werror=ON

# GoogleTest for MinGW, from Debian's sources, with the same toolchain: once.
gtest="$build/googletest"
if [[ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]]; then
    echo "=== windows: GoogleTest for MinGW"
    cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$gtest/install" >/dev/null
    cmake --build "$gtest/build" -j "$jobs"
    cmake --install "$gtest/build" >/dev/null
fi

# The icon maker runs here, on the build machine.
echo "=== windows: icon maker"
cmake -S "$root/tools/icon" -B "$build/host-tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/host-tools" -j "$jobs"

# -O2 as the Linux build: GCC 12 at -O3 warns falsely inside std::string
# (its bug 105329), which -Werror would make fatal.
echo "=== windows: configure and build in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DPENDRA_WERROR="$werror" -DPENDRA_LINUX_BUILD_DIR="${PENDRA_LINUX_BUILD:-}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$qt;$gtest/install" -DCMAKE_FIND_ROOT_PATH="$qt;$gtest/install" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DPENDRA_ICO_TOOL="$build/host-tools/pendra-ico" >/dev/null
cmake --build "$build" -j "$jobs"

echo "=== windows: dist folder and zip"
rm -rf "$build/dist"
cmake --install "$build" --prefix "$build/dist"
(cd "$build" && cpack -G ZIP >/dev/null)

# The same folder as an MSI, for roll-out by IT.
echo "=== windows: MSI"
"$root/tools/make-msi.sh" "$build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
echo "windows: $build/dist, $build/pendra-$version-windows-x64.zip and $build/pendra-$version-x64.msi"
