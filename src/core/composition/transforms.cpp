#include "composition/transforms.h"

#include <algorithm>

namespace zorna {

void PreklopZvislo(Bitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  for (int i = 0; i < h / 2; ++i)
    std::swap_ranges(picture.Row(i), picture.Row(i) + w, picture.Row(h - 1 - i));
}

void PreklopVodorovne(Bitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  for (int j = 0; j < h; ++j) std::reverse(picture.Row(j), picture.Row(j) + w);
}

void OtocDolava(Bitmap& picture, Bitmap& work) {
  work = picture;
  const int w = work.Width(), h = work.Height();
  picture = Bitmap(h, w);
  // The copy's right column becomes the top row.
  for (int j = 0; j < w; ++j)
    for (int i = 0; i < h; ++i) picture.SetPixel(i, j, work.Pixel(w - 1 - j, i));
}

void OtocDoprava(Bitmap& picture, Bitmap& work) {
  work = picture;
  const int w = work.Width(), h = work.Height();
  picture = Bitmap(h, w);
  // The copy's left column becomes the top row.
  for (int j = 0; j < w; ++j)
    for (int i = 0; i < h; ++i) picture.SetPixel(i, j, work.Pixel(j, h - 1 - i));
}

}  // namespace zorna
