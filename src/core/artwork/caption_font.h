#pragma once
#include <string_view>

#include "picture/bitmap.h"

namespace zorna {

// The skins' lettering: a small proportional bitmap font for the panels' captions and the
// authors' marks, drawn bold (every stroke two pixels wide). Capitals and ascenders fill rows 0
// to 7 of a cell, the lower-case body rows 2 to 7 (accents above it), descenders rows 8 and 9.
// Characters the font lacks take the room of a space.
constexpr int kCaptionFontHeight = 10;
constexpr int kCaptionCapHeight = 8;

int CaptionTextWidth(std::string_view utf8);
// Draws the text with its cell's top-left corner at (x, y).
void DrawCaptionText(Bitmap& target, int x, int y, std::string_view utf8, Colorref colour);

}  // namespace zorna
