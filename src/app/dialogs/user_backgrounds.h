#pragma once
#include <functional>

#include "picture/bitmap.h"

namespace zorna::app {

// What the background dialog shows: the user's own background picture, the last of each
// background list, at 32 x 32 (small) or 64 x 64, and whether the result now uses the small one.
struct UserBackgrounds {
  std::function<Bitmap(bool small)> picture;
  std::function<bool()> small_in_use;
};

}  // namespace zorna::app
