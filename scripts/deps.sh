#!/usr/bin/env bash
# Installs what building, running and testing Zorna needs on Debian 12 (only what is missing).
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-l10n-tools qt6-translations-l10n libgl1-mesa-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev libcli11-dev librsvg2-dev tango-icon-theme
  libgtest-dev googletest libbenchmark-dev clang libclang-rt-14-dev
  fonts-liberation2 fonts-urw-base35 xvfb xauth xdotool x11-apps imagemagick icoutils python3 python3-pil libgdk-pixbuf2.0-bin
  python3-gi gir1.2-gdkpixbuf-2.0
  x11-xserver-utils xclip procps libxcb1-dev libwayland-dev libwayland-bin wl-clipboard
  qt6-wayland dbus-daemon sway swaybg wayvnc grim wtype pipewire
  xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
  gnome-shell mutter xdg-desktop-portal-gnome
  kwin-wayland xdg-desktop-portal-kde qtwayland5 qml-module-qtquick-layouts
  qml-module-qtquick-controls2 qml-module-qtquick-window2 qml-module-qtgraphicaleffects
  qml-module-org-kde-kirigami2
  desktop-file-utils appstream file man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# KDE's portal builds its screenshot dialog from two QML modules of plasma-workspace, whose
# package would bring some two hundred others: only they are taken out of it.
kde_qml=/usr/local/share/zorna-e2e/kde-qml
if [ ! -e "$kde_qml/org/kde/plasma/workspace/dialogs/qmldir" ]; then
  unpacked=$(mktemp -d)
  chmod 755 "$unpacked"  # apt fetches as its own user
  (cd "$unpacked" && apt-get download plasma-workspace >/dev/null && dpkg-deb -x plasma-workspace_*.deb x)
  $sudo_cmd mkdir -p "$kde_qml/org/kde/plasma"
  $sudo_cmd cp -r "$unpacked/x/usr/lib/x86_64-linux-gnu/qt5/qml/org/kde/plasma/workspace" \
    "$unpacked/x/usr/lib/x86_64-linux-gnu/qt5/qml/org/kde/plasma/lookandfeel" "$kde_qml/org/kde/plasma/"
  $sudo_cmd chmod -R a+rX "$kde_qml"
  rm -rf "$unpacked"
fi
