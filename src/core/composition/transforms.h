#pragma once
#include "picture/bitmap.h"

namespace zorna {

// The four transforms of the result, in place.
void PreklopZvislo(Bitmap& picture);     // top to bottom
void PreklopVodorovne(Bitmap& picture);  // left to right

// Quarter turns, counter-clockwise and clockwise. `work` (the shared scratch picture) receives a
// copy of the picture to read from. A picture that is not square swaps its width and height.
void OtocDolava(Bitmap& picture, Bitmap& work);
void OtocDoprava(Bitmap& picture, Bitmap& work);

}  // namespace zorna
