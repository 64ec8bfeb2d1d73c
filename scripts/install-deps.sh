#!/usr/bin/env bash
# Installs, with apt-get, every Debian package that building, running and
# testing the program needs, skipping what is already there. Needs root (or
# sudo) only when something is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev time
    xvfb xauth xdotool xclip x11-utils imagemagick openbox wmctrl iproute2
    qt6-wayland weston wl-clipboard
    python3 python3-xlib python3-gi gir1.2-atspi-2.0 at-spi2-core dbus
    qt6-gtk-platformtheme libgtk-3-0
    fonts-dejavu-core
    clang libclang-rt-14-dev clang-format
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
