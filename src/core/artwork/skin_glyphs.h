#pragma once
#include <string_view>

#include "artwork/skin_art.h"
#include "artwork/smooth_canvas.h"

namespace zorna {

// The glyph of one of the fifteen buttons: 20 x 20 on the strip, 13 x 13 for the padlocks,
// 15 x 13 for turning and flipping; Save and Copy have a second, disabled cell on the right.
Bitmap DrawSkinGlyph(std::string_view button, const SkinDesign& design);

// The small picture at the start of a panel's caption, side x side pixels.
SmoothCanvas DrawPanelEmblem(std::string_view panel, int side, const SkinPalette& colours);

}  // namespace zorna
