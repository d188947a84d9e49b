#pragma once
#include <string_view>

#include "picture/drawing.h"

namespace zorna {

// A tiny bitmap font for the words the artwork writes ("Vlastné pozadie"). Each glyph is a cell
// of kPixelFontHeight rows: row 0 holds accents, rows 1 and 2 ascenders and capitals, rows 3 to 7
// the lower-case body, row 8 descenders. Glyphs have their own widths and one blank column
// between them; characters the font lacks take the room of a space.
constexpr int kPixelFontHeight = 9;

// Width in pixels of the UTF-8 text at the given scale (each font pixel a scale x scale block).
int PixelTextWidth(std::string_view utf8, int scale);

// Draws the text with its cell's top-left corner at (x, y).
void DrawPixelText(Canvas& canvas, int x, int y, std::string_view utf8, int scale, Colorref c);

}  // namespace zorna
