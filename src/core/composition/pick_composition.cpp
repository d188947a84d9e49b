#include "composition/pick_composition.h"

#include <utility>

#include "picture/mimage.h"
#include "picture/raster.h"

namespace zorna {
namespace {

// A fresh I x I copy of the picked square.
Bitmap CopySquare(const Bitmap& screen, const PickSettings& pick) {
  Bitmap square(pick.input, pick.input);
  BitBlt(square, 0, 0, pick.input, pick.input, screen, pick.x, pick.y, SRCCOPY);
  return square;
}

void ComposeTransparent(const Bitmap& screen, const PickSettings& pick, Bitmap& preview,
                        Bitmap& work) {
  const int o = pick.output, i = pick.input;
  int px = 0, py = 0;
  if (o > i && pick.smooth) {
    work = CopySquare(screen, pick);
    ZmenVelkost(work, o, o);
  } else if (o >= i) {
    work = CopySquare(screen, pick);
    px = py = (o - i) / 2;
  } else {
    work = Bitmap(o, o);
    StretchBlt(work, Rect{0, 0, o, o}, screen, Rect{pick.x, pick.y, pick.x + i, pick.y + i},
               SRCCOPY);
  }
  const int mx = work.Width() - 1, my = work.Height() - 1;
  const Colorref unused = NepouzitaFarba(work);
  if (pick.mode == 5 || pick.mode == 7) VyplnOblast(0, 0, work, unused);
  if (pick.mode == 6 || pick.mode == 7) VyplnOblast(mx, my, work, unused);
  Colorref key = unused;
  if (pick.mode == 2) key = kWhite;
  if (pick.mode == 3) key = work.Pixel(0, 0);
  if (pick.mode == 4) key = work.Pixel(mx, my);
  KresliPriehladne(preview, px, py, work.Width(), work.Height(), work, key);
}

}  // namespace

void ComposePick(const Bitmap& screen, const Bitmap& tile, const PickSettings& pick,
                 Bitmap& preview, Bitmap& work) {
  const int o = pick.output, i = pick.input;
  if (o <= 0) return;
  const uint32_t rop = pick.mode == 0 ? SRCAND : MERGECOPY;
  StretchBlt(preview, Rect{0, 0, o, o}, tile, Rect{0, 0, tile.Width(), tile.Height()}, rop, kWhite);
  if (pick.mode >= 2) {
    ComposeTransparent(screen, pick, preview, work);
    return;
  }
  if ((o > i && pick.smooth) || (o < i && pick.shrink_mode1)) {
    work = CopySquare(screen, pick);
    ZmenVelkost(work, o, o);
    preview = work;
    return;
  }
  const Rect square{pick.x, pick.y, pick.x + i, pick.y + i};
  if (o >= i) {
    const int d = (o - i) / 2;
    StretchBlt(preview, Rect{d, d, d + i, d + i}, screen, square, rop);
  } else {
    StretchBlt(preview, Rect{0, 0, o, o}, screen, square, rop);
  }
}

void PreklopZvislo(Bitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  for (int i = 0; i <= (h - 1) / 2; ++i) {
    for (int j = 0; j < w; ++j) {
      const Colorref a = picture.Pixel(j, i);
      picture.SetPixel(j, i, picture.Pixel(j, h - 1 - i));
      picture.SetPixel(j, h - 1 - i, a);
    }
  }
}

void PreklopVodorovne(Bitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  for (int i = 0; i <= (w - 1) / 2; ++i) {
    for (int j = 0; j < h; ++j) {
      const Colorref a = picture.Pixel(i, j);
      picture.SetPixel(i, j, picture.Pixel(w - 1 - i, j));
      picture.SetPixel(w - 1 - i, j, a);
    }
  }
}

void OtocDolava(Bitmap& picture, Bitmap& work) {
  work = picture;
  const int w = picture.Width(), h = picture.Height();
  for (int i = 0; i < w; ++i) {
    for (int j = 0; j < h; ++j) picture.SetPixel(i, j, work.Pixel(h - 1 - j, i));
  }
}

void OtocDoprava(Bitmap& picture, Bitmap& work) {
  work = picture;
  const int w = picture.Width(), h = picture.Height();
  for (int i = 0; i < w; ++i) {
    for (int j = 0; j < h; ++j) picture.SetPixel(i, j, work.Pixel(j, w - 1 - i));
  }
}

}  // namespace zorna
