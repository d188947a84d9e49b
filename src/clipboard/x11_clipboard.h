#pragma once
#include "payload.h"

namespace zorna::clipboard {

enum class Handover {
  kServed,        // took the clipboard, served it until another program took it
  kManagerThere,  // a clipboard manager runs: it takes the data from the program itself
  kFailed,        // no display, or the clipboard could not be taken
  kUnsupported,   // the desktop lets no other program keep the clipboard
};

// Serves the payload on the X display's CLIPBOARD selection (targets image/png, image/bmp).
// `ready` is called once the selection is ours (or it is clear that it need not be), so the
// program may end.
Handover ServeOnX11(const Payload& payload, void (*ready)(Handover));

}  // namespace zorna::clipboard
