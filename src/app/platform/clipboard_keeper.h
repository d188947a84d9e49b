#pragma once

namespace zorna::app {

// On X11 the clipboard's data lives in the program that copied it: when Zorna ends, a copied
// result would be gone unless a clipboard manager took it. Called as the program ends: while
// the clipboard still holds our picture, it is handed to zorna-clipboard (beside the program),
// which serves it as PNG and BMP until another program takes the clipboard, or steps back when
// a clipboard manager runs. On Wayland the same through the compositor's clipboard-manager
// interface, where it has one; GNOME's keeps the copy itself; on any other the user is told
// that the copy goes with the program. Returns once the helper has the clipboard (a few
// seconds at most).
void KeepClipboardAfterExit();

}  // namespace zorna::app
