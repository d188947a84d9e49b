#pragma once
#include "picture/bitmap.h"

namespace zorna::app {

// What the main window is in, named. The controls show it and the handlers change it; nothing
// of it is read back from a control's visibility or caption.
struct WindowState {
  // The scratch picture every handler may use ("PracovnyObrazok"): the composed pick, the
  // placement slot's blank tile, the shadow editor's work.
  Bitmap scratch;
  // The library picture last clicked: its index among the small pictures, or 1000 + its index
  // among the large ones.
  int selected_library_picture = 0;
};

}  // namespace zorna::app
