#pragma once
#include <string>

#include "picture/bitmap.h"

namespace zorna::app {

// What the search bar above the tree is doing: nothing (its buttons), searching the tree, or
// taking typed text.
enum class BarMode { kNone, kSearch, kText };

// What the main window is in, named. The controls show it and the handlers change it; nothing
// of it is read back from a control's visibility or caption.
struct WindowState {
  // The input size follows the output size (the lock picture shows it closed).
  bool size_locked = true;
  // Enlarging smooths the pick instead of repeating its pixels.
  bool smooth_enlarging = false;
  // The shrink mode, 1 or 2 ("mód 1", "mód 2").
  int shrink_mode = 1;
  // The container is docked at the right edge of the screen (else at the left).
  bool docked_right = false;
  BarMode bar_mode = BarMode::kNone;
  // The library panel and the maintenance panel are open.
  bool library_open = false;
  bool maintenance_open = false;
  // The maintenance job's estimate of the time it still needs, as shown ("7 minút").
  std::string job_estimate = "----";
  // The gallery category whose pictures the library shows; 0 for none yet.
  int category = 0;
  // The library picture last clicked: its index among the small pictures, or 1000 + its index
  // among the large ones.
  int selected_library_picture = 0;
  // The picture the program was opened with (empty for none), laid one to one over the screen's
  // copy at its top-left corner, and which of its pixels lies there: the wheel moves a picture
  // larger than the screen under that corner.
  Bitmap opened_picture;
  int opened_left = 0;
  int opened_top = 0;
  // The scratch picture every handler may use ("PracovnyObrazok"): the composed pick, the
  // placement slot's blank tile, the shadow editor's work.
  Bitmap scratch;
};

}  // namespace zorna::app
