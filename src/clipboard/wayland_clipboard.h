#pragma once
#include "payload.h"
#include "x11_clipboard.h"

namespace zorna::clipboard {

// Serves the payload as the Wayland clipboard through the compositor's clipboard-manager
// interface (wlroots' data control: sway, Hyprland, river, KDE Plasma ...), until another
// program sets the clipboard. A compositor without it (GNOME) lets no program without a
// focused window own the clipboard: kFailed.
Handover ServeOnWayland(const Payload& payload, void (*ready)(Handover));

}  // namespace zorna::clipboard
