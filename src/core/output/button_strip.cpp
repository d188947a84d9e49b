#include "output/button_strip.h"

#include "picture/raster.h"

namespace zorna {

Bitmap ZmenNaBtn(const Bitmap& result) {
  const int s = result.Width();
  Bitmap strip(2 * s, s);
  BitBlt(strip, 0, 0, s, s, result, 0, 0, SRCCOPY);
  BitBlt(strip, s, 0, s, s, result, 0, 0, SRCCOPY);
  for (int x = 0; x < s; ++x) {
    for (int y = 0; y < s; ++y) {
      const Colorref p = strip.Pixel(x, y);
      if (p == kWhite) {
        strip.SetPixel(x, y, kButtonTransparent);
        strip.SetPixel(x + s, y, kButtonTransparent);
      } else if (p == kBlack) {
        strip.SetPixel(x + s, y, kButtonGrey);
      } else if (p == kButtonGrey) {
        strip.SetPixel(x + s, y, kButtonMediumGrey);
      } else {
        strip.SetPixel(x + s, y, kButtonSilver);
      }
    }
  }
  return strip;
}

}  // namespace zorna
