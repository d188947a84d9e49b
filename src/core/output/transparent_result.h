#pragma once
#include "output/icon_file.h"
#include "picture/alpha_picture.h"
#include "picture/bitmap.h"

namespace zorna {

// The result picture with the icon dialog's transparency choice turned into alpha, for the
// files that keep transparency (PNG, the icon with alpha): every pixel of exactly the choice's
// key colour (IconKeyColor) is transparent, alpha 0 and colour black; every other pixel is
// opaque with its own colour. The alpha needs no mask built through a stand-in colour, so
// black and #FAF9F8 keep their colours whatever the key.
AlphaPicture TransparentResult(const Bitmap& result, IconTransparency choice);

}  // namespace zorna
