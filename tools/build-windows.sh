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

# The same folder as an MSI, for roll-out by IT: every file of it under
# C:\Program Files\Pendra (component group PendraFiles), described by
# pendra.wxs.
echo "=== windows: MSI"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
# The folder's own files first, then those of its subfolders: wixl-heat
# starts a directory entry whenever the folder changes.
(cd "$build" && find dist -maxdepth 1 -type f | LC_ALL=C sort &&
    find dist -mindepth 2 -type f | LC_ALL=C sort) |
    wixl-heat --prefix dist/ --directory-ref INSTALLDIR --component-group PendraFiles \
        --var var.SourceDir --win64 >"$build/pendra-files.wxs"
# wixl takes the files' paths relative to where it runs.
msi="$build/pendra-$version-x64.msi"
(cd "$build" && wixl --arch x64 --define SourceDir=dist --define Win64=yes --output "$msi" \
    pendra.wxs pendra-files.wxs)
# wixl takes no condition on a component: each Given_X gets X as its own, so
# only a property given to msiexec writes its value. Removing the product
# (REMOVE=ALL, also the old one's removal in a major upgrade) must find the
# component enabled to take its value away: wine leaves a disabled one be.
# The properties are made secure, so that they reach the installer's service
# when a user who is not an administrator installs with elevation.
table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
secure=$(table Property | awk -F'\t' '$1 == "SecureCustomProperties" { print $2 }')
for property in $(table Component | sed -n 's/^Given_\([A-Z_]*\)\t.*/\1/p'); do
    condition="$property OR REMOVE~=\"ALL\""
    msibuild "$msi" -q "UPDATE \`Component\` SET \`Condition\` = '$condition' WHERE \`Component\` = 'Given_$property'"
    secure+=";$property"
done
msibuild "$msi" -q "UPDATE \`Property\` SET \`Value\` = '${secure#;}' WHERE \`Property\` = 'SecureCustomProperties'"
echo "windows: $build/dist, $build/pendra-$version-windows-x64.zip and $msi"
