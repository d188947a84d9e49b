#pragma once
#include "payload.h"
#include "x11_clipboard.h"

namespace zorna::clipboard {

// Serves the payload as the Wayland clipboard through the compositor's clipboard-manager
// interface (wlroots' data control: sway, Hyprland, river, KDE Plasma ...), until another
// program sets the clipboard. Without it no program without a focused window can own the
// clipboard: GNOME's compositor (known by its gtk_shell1) keeps the last copy itself after its
// owner ends, kManagerThere; any other, kUnsupported.
Handover ServeOnWayland(const Payload& payload, void (*ready)(Handover));

}  // namespace zorna::clipboard
