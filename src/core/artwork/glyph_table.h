#pragma once
#include <array>
#include <span>
#include <string>

// The artwork's bitmap fonts: each glyph a column of rows of '.' (blank) and ink characters, all
// rows as wide as the glyph.
namespace zorna {

template <size_t Rows>
struct TableGlyph {
  char32_t code;
  std::array<const char*, Rows> rows;
  int Width() const { return static_cast<int>(std::char_traits<char>::length(rows[0])); }
};

// The glyph of a character; a character the table lacks gets its first glyph (a space).
template <size_t Rows>
const TableGlyph<Rows>& FindGlyph(std::span<const TableGlyph<Rows>> table, char32_t code) {
  for (const TableGlyph<Rows>& g : table) {
    if (g.code == code) return g;
  }
  return table.front();
}

}  // namespace zorna
