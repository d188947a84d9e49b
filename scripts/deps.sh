#!/usr/bin/env bash
# Installs what building, running and testing Zorna needs on Debian 12 (only what is missing).
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n libgl1-mesa-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev libcli11-dev librsvg2-dev tango-icon-theme
  libgtest-dev googletest libbenchmark-dev clang libclang-rt-14-dev
  fonts-liberation2 fonts-urw-base35 xvfb xauth xdotool x11-apps imagemagick icoutils python3 python3-pil libgdk-pixbuf2.0-bin
  python3-gi gir1.2-gdkpixbuf-2.0
  x11-xserver-utils xclip procps libxcb1-dev libwayland-dev libwayland-bin wl-clipboard
  qt6-wayland dbus-daemon sway swaybg wayvnc grim wtype pipewire
  xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
  desktop-file-utils appstream file man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
