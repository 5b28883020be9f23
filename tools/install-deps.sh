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
    fonts-liberation
    xvfb
    xauth
    xdotool
    libgtest-dev
    libgmock-dev
    # The package test: the two validators, dpkg-shlibdeps, and file, which
    # CPack runs on each installed file before dpkg-shlibdeps.
    desktop-file-utils
    appstream
    dpkg-dev
    file
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
