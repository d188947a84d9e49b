#pragma once
#include <string_view>

#include "picture/bitmap.h"

// The glyphs of the gallery's search bar and of the about box's help button, and the search
// bar's background, drawn with soft edges. Each glyph's bottom-left pixel holds the colour that
// the rest of it leaves transparent.
namespace zorna {

// "SpeedButton13" (a magnifier: search), "SpeedButton14" (a letter with a caret: typed text),
// "SpeedButton15" (a letter over a colour bar: the text's font), "SpeedButton16" (a picture with
// a plus: add to the gallery), all 32 x 32; "SpeedButton8" (an arrow: go), 24 x 24. Another name
// gives an empty bitmap.
Bitmap DrawSearchBarGlyph(std::string_view button);

// A question mark in a ring, 16 x 16, light on the about box's black.
Bitmap DrawHelpGlyph();

// The bar's background: a soft vertical shade of light blue-grey with a lighter top edge,
// stretched over the bar.
Bitmap DrawSearchBarBackground(int width, int height);

}  // namespace zorna
