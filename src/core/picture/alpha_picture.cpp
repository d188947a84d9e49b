#include "picture/alpha_picture.h"

#include <algorithm>
#include <string>

#include "support/error.h"

namespace zorna {

namespace {

// How much of source pixel `from` lies under target pixel `to`, along one axis. A target
// pixel spans `source` units and a source pixel `target` units, so each target pixel's weights
// add up to `source`.
struct Share {
  int from;
  uint32_t weight;
};

std::vector<std::vector<Share>> SharesAlong(int source, int target) {
  std::vector<std::vector<Share>> shares(static_cast<size_t>(target));
  for (int t = 0; t < target; ++t) {
    const int64_t start = int64_t{t} * source, end = start + source;
    for (int s = static_cast<int>(start / target); s < source && int64_t{s} * target < end; ++s) {
      const int64_t low = std::max<int64_t>(start, int64_t{s} * target);
      const int64_t high = std::min<int64_t>(end, int64_t{s + 1} * target);
      if (high > low) shares[t].push_back({s, static_cast<uint32_t>(high - low)});
    }
  }
  return shares;
}

}  // namespace

AlphaPicture ReduceByAreaAverage(const AlphaPicture& picture, int width, int height) {
  const int w = picture.Width(), h = picture.Height();
  if (width < 1 || height < 1 || width > w || height > h) {
    const std::string from = std::to_string(w) + " x " + std::to_string(h);
    const std::string to = std::to_string(width) + " x " + std::to_string(height);
    throw Error("A picture of " + from + " pixels cannot be reduced to " + to,
                "Obrázok s rozmerom " + from + " bodov sa nedá zmenšiť na " + to);
  }
  if (width == w && height == h) return picture;
  const auto columns = SharesAlong(w, width), rows = SharesAlong(h, height);
  const uint64_t whole = uint64_t{static_cast<uint32_t>(w)} * static_cast<uint32_t>(h);
  AlphaPicture out{Bitmap(width, height, kBlack),
                   std::vector<uint8_t>(static_cast<size_t>(width) * height, 0)};
  for (int ty = 0; ty < height; ++ty) {
    for (int tx = 0; tx < width; ++tx) {
      uint64_t a = 0, r = 0, g = 0, b = 0;
      for (const Share& row : rows[ty]) {
        const Colorref* colors = picture.color.Row(row.from);
        const uint8_t* alphas = picture.alpha.data() + static_cast<size_t>(row.from) * w;
        for (const Share& column : columns[tx]) {
          const uint64_t weight = uint64_t{row.weight} * column.weight * alphas[column.from];
          const Colorref c = colors[column.from];
          a += weight;
          r += weight * RedOf(c);
          g += weight * GreenOf(c);
          b += weight * BlueOf(c);
        }
      }
      out.alpha[static_cast<size_t>(ty) * width + tx] =
          static_cast<uint8_t>((a + whole / 2) / whole);
      if (a == 0) continue;
      auto mean = [a](uint64_t sum) { return static_cast<uint8_t>((sum + a / 2) / a); };
      out.color.Row(ty)[tx] = Rgb(mean(r), mean(g), mean(b));
    }
  }
  return out;
}

}  // namespace zorna
