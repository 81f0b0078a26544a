#!/usr/bin/env bash
# Installs what building, testing and running need on Debian 12; installs nothing when all
# of it is there already.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-l10n-tools qt6-translations-l10n
    libhidapi-dev libchm-dev fp-utils
    clang-14 libclang-rt-14-dev clang-format-14 clang-tidy-14
    g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix ccache xz-utils
    wine wine64 nsis wixl msitools librsvg2-bin icoutils xdotool imagemagick zsh
    xvfb xauth
    poppler-utils fonts-dejavu-core
    desktop-file-utils appstream lintian dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "All build packages are installed."
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
