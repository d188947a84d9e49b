#pragma once
#include "picture/bitmap.h"
#include "picture/image_list.h"

namespace zorna {

// Every picture of the two background lists side by side, drawn through its mask over a grey
// checkerboard so that transparent parts show: the small pictures in the top row, each above
// the large picture of the same index.
Bitmap MakeTileSheet(const ImageList& small, const ImageList& large);

}  // namespace zorna
