#include "artwork/pixel_font.h"

#include <array>
#include <string>
#include <vector>

#include "artwork/glyph_table.h"
#include "text/cp1250.h"

namespace zorna {
namespace {

using Glyph = TableGlyph<kPixelFontHeight>;

// clang-format off
constexpr Glyph kGlyphs[] = {
  {U' ', {"..", "..", "..", "..", "..", "..", "..", "..", ".."}},
  {U'V', {".....", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", ".#.#.", "..#..", "....."}},
  {U'a', {"...", "...", "...", "##.", "..#", ".##", "#.#", ".##", "..."}},
  {U'd', {"...", "..#", "..#", ".##", "#.#", "#.#", "#.#", ".##", "..."}},
  {U'e', {"...", "...", "...", ".#.", "#.#", "###", "#..", ".##", "..."}},
  {U'é', {"..#", ".#.", "...", ".#.", "#.#", "###", "#..", ".##", "..."}},
  {U'i', {".", "#", ".", "#", "#", "#", "#", "#", "."}},
  {U'l', {".", "#", "#", "#", "#", "#", "#", "#", "."}},
  {U'n', {"...", "...", "...", "##.", "#.#", "#.#", "#.#", "#.#", "..."}},
  {U'o', {"...", "...", "...", ".#.", "#.#", "#.#", "#.#", ".#.", "..."}},
  {U'p', {"...", "...", "...", "##.", "#.#", "#.#", "##.", "#..", "#.."}},
  {U's', {"...", "...", "...", ".##", "#..", ".#.", "..#", "##.", "..."}},
  {U't', {"...", ".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#", "..."}},
  {U'z', {"...", "...", "...", "###", "..#", ".#.", "#..", "###", "..."}},
};
// clang-format on

const Glyph& GlyphFor(char32_t code) {
  return FindGlyph<kPixelFontHeight>(kGlyphs, code);
}

int GlyphWidth(const Glyph& g) {
  return g.Width();
}

}  // namespace

int PixelTextWidth(std::string_view utf8, int scale) {
  int width = 0;
  const auto codes = CodePointsOf(utf8);
  for (size_t i = 0; i < codes.size(); ++i) width += GlyphWidth(GlyphFor(codes[i])) + (i ? 1 : 0);
  return width * scale;
}

void DrawPixelText(Canvas& canvas, int x, int y, std::string_view utf8, int scale, Colorref c) {
  int pen = x;
  for (char32_t code : CodePointsOf(utf8)) {
    const Glyph& g = GlyphFor(code);
    const int w = GlyphWidth(g);
    for (int row = 0; row < kPixelFontHeight; ++row)
      for (int col = 0; col < w; ++col)
        if (g.rows[row][col] == '#')
          FillRect(canvas,
                   Rect{pen + col * scale, y + row * scale, pen + (col + 1) * scale,
                        y + (row + 1) * scale},
                   c);
    pen += (w + 1) * scale;
  }
}

}  // namespace zorna
