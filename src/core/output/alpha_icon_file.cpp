#include "output/alpha_icon_file.h"

#include <algorithm>
#include <functional>
#include <string>

#include "output/icon_layout.h"
#include "picture/png_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {

std::vector<int> AlphaIconSides(int side) {
  std::vector<int> sides = {side};
  for (int standard : {128, 64, 48, 32, 24, 16}) {
    if (standard < side) sides.push_back(standard);
  }
  return sides;
}

namespace {

using icon_layout::Put16;
using icon_layout::Put32;

constexpr uint32_t kDirectorySize = 6;
constexpr uint32_t kEntrySize = 16;

// A bitmap entry: the information header (height counting the mask too), the colours as blue,
// green, red, alpha bottom row first, then the mask.
std::vector<uint8_t> BitmapEntry(const AlphaPicture& picture) {
  const int s = picture.Width();
  const uint32_t colors = icon_layout::RowBytes(s, 32) * s;
  std::vector<uint8_t> out;
  out.reserve(icon_layout::kInfoHeaderSize + colors + icon_layout::RowBytes(s, 1) * s);
  icon_layout::PutInfoHeader(out, s, 32, colors, 0);
  for (int y = s - 1; y >= 0; --y) {
    const Colorref* row = picture.color.Row(y);
    for (int x = 0; x < s; ++x) {
      out.push_back(BlueOf(row[x]));
      out.push_back(GreenOf(row[x]));
      out.push_back(RedOf(row[x]));
      out.push_back(picture.Alpha(x, y));
    }
  }
  icon_layout::PutMask(out, s, [&](int x, int y) { return picture.Alpha(x, y) < 128; });
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeAlphaIconFile(const AlphaPicture& picture, std::vector<int> sides) {
  const int side = picture.Width();
  if (picture.Height() != side || side < 1) {
    const std::string size = std::to_string(side) + " x " + std::to_string(picture.Height());
    throw Error("An icon needs a square picture, not " + size + " pixels",
                "Ikona potrebuje štvorcový obrázok, nie " + size + " bodov");
  }
  std::sort(sides.begin(), sides.end(), std::greater<>());
  sides.erase(std::unique(sides.begin(), sides.end()), sides.end());
  if (sides.empty())
    throw Error("An icon needs at least one size", "Ikona potrebuje aspoň jeden rozmer");
  for (int s : sides) {
    if (s < 1 || s > side || s > kMaxAlphaIconSide) {
      const std::string picture_size = std::to_string(side) + " x " + std::to_string(side);
      const std::string largest = std::to_string(std::min(side, kMaxAlphaIconSide));
      throw Error("An icon of a " + picture_size + " picture cannot hold the size " +
                      std::to_string(s) + " (1 to " + largest + ")",
                  "Ikona z obrázka " + picture_size + " nemôže mať rozmer " + std::to_string(s) +
                      " (od 1 do " + largest + ")");
    }
  }
  std::vector<std::vector<uint8_t>> entries;
  for (int s : sides) {
    const AlphaPicture reduced = ReduceByAreaAverage(picture, s, s);
    entries.push_back(s <= kMaxBitmapEntrySide ? BitmapEntry(reduced) : EncodePng(reduced));
  }
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<uint32_t>(entries.size()));
  uint32_t offset = kDirectorySize + kEntrySize * static_cast<uint32_t>(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    out.push_back(static_cast<uint8_t>(sides[i] % 256));  // 256 is written as 0
    out.push_back(static_cast<uint8_t>(sides[i] % 256));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, static_cast<uint32_t>(entries[i].size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(entries[i].size());
  }
  for (const auto& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
  return out;
}

void WriteAlphaIconFile(const std::filesystem::path& path, const AlphaPicture& picture,
                        const std::vector<int>& sides) {
  WriteFileAtomically(path, EncodeAlphaIconFile(picture, sides));
}

}  // namespace zorna
