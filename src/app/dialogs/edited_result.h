#pragma once
#include <functional>

#include "picture/bitmap.h"

namespace zorna::app {

// What the shadow editor works on, handed to it by the window that owns the result: the result
// picture, read on every show and replaced by OK; the output side that its drawing follows;
// whether the result is previewed whole at 32 x 32 (else its top-left 64 x 64); and the
// program's scratch picture, in which the previews are drawn.
struct EditedResult {
  std::function<const Bitmap&()> picture;
  std::function<void(const Bitmap& edited)> replace;
  std::function<int()> side;
  std::function<bool()> small_preview;
  std::function<Bitmap&()> scratch;
};

}  // namespace zorna::app
