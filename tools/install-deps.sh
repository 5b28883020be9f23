#!/usr/bin/env bash
# Installs the Debian packages Pendra needs to build, test and run, and only
# those that are missing. As root it installs directly, otherwise through
# sudo; when neither works it prints the command to run and stops.
set -euo pipefail

packages=(
    cmake
    ninja-build
    g++
    qt6-base-dev
    qt6-svg-dev
    # The status line's test switches Qt's accessibility on, as a screen
    # reader's arrival does, to count what it tells.
    qt6-base-private-dev
    # lrelease and lupdate make and check the catalogues; Qt's own
    # catalogues translate its dialogs' buttons; python3 runs the check
    # that every catalogue is complete.
    qt6-l10n-tools
    qt6-translations-l10n
    python3
    fonts-liberation
    # Liberation Sans compiled into pendra; a Chinese, Japanese and Korean face for the captions' tests.
    fonts-liberation2
    fonts-wqy-microhei
    xvfb
    xauth
    xdotool
    # The accessibility test reads the real panel as a screen reader does:
    # a session bus of its own (dbus, with dbus-x11 for X sessions), at-spi2-core's
    # accessibility bus and registry, and pyatspi to read them from Python.
    dbus
    dbus-x11
    at-spi2-core
    python3-pyatspi
    libgtest-dev
    libgmock-dev
    clang
    libclang-rt-14-dev
    # The package test: the two validators, dpkg-shlibdeps, and file, which
    # CPack runs on each installed file before dpkg-shlibdeps.
    desktop-file-utils
    appstream
    dpkg-dev
    file
    # lintian judges the .deb; man and col render pendra-hostsim(1) for the
    # test that holds it to --help.
    lintian
    man-db
    bsdextrautils
    # The Windows build: MinGW-w64 with posix threads (std::thread), its
    # objdump, windres and strip; Qt's host tools (moc, uic, rcc) for the Qt
    # for Windows; GoogleTest's sources to build for MinGW; wine and its
    # fonts to run the results.
    g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64
    qt6-base-dev-tools
    googletest
    wine
    wine64
    libwine
    fonts-wine
    # ImageMagick's import and identify take the pictures of the panel and
    # Setup as wine draws them, and judge that they show something.
    imagemagick
    # The MSI: wixl and wixl-heat make it, msiinfo reads its tables back.
    wixl
    msitools
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    as_root=(sudo)
elif command -v sudo >/dev/null 2>&1 && [[ -t 0 ]]; then
    as_root=(sudo)
else
    echo "Cannot install packages without root. Please run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
