#include "output/transparent_result.h"

namespace zorna {

AlphaPicture TransparentResult(const Bitmap& result, IconTransparency choice) {
  const Colorref key = IconKeyColor(result, choice);
  AlphaPicture out{
      result, std::vector<uint8_t>(static_cast<size_t>(result.Width()) * result.Height(), 255)};
  Colorref* pixels = out.color.Data();
  for (size_t i = 0; i < out.alpha.size(); ++i) {
    if (pixels[i] != key) continue;
    pixels[i] = kBlack;
    out.alpha[i] = 0;
  }
  return out;
}

}  // namespace zorna
