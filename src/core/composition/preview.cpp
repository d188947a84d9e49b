#include "composition/preview.h"

#include "picture/mimage.h"
#include "picture/raster.h"

namespace zorna {

const char* const kCompositionModeNames[kCompositionModeCount] = {
    "kombinovať farby",
    "prekryť obrázkom",
    "transparentne (biela)",
    "transparentne (pixel 1,1)",
    "transparentne (pixel max, max)",
    "orezať okraje (od 1,1)",
    "orezať okraje (od max, max)",
    "orezať okraje (od 1,1 a max, max)",
};

namespace {

bool IsTransparentMode(int mode) {
  return mode >= kTransparentWhite && mode <= kCropFromBoth;
}

// The tile drawn over plain white: picture 0 sizes the work picture, then the chosen picture
// goes on top through its mask.
void PrepareTile(const ImageList& tiles, int background, Bitmap& work) {
  work = tiles.Count() > 0 ? tiles.Picture(0) : Bitmap(tiles.Width(), tiles.Height());
  tiles.Draw(work, 0, 0, background);
}

// A fresh I x I copy of the square.
void CopySquare(const Bitmap& screen, const PickSettings& s, Bitmap& work) {
  work = Bitmap(s.input, s.input);
  BitBlt(work, 0, 0, s.input, s.input, screen, s.x, s.y, SRCCOPY);
}

// The square brought to the output size through a JPEG, replacing the preview.
void ResampleSquare(const Bitmap& screen, const PickSettings& s, Bitmap& preview, Bitmap& work) {
  CopySquare(screen, s, work);
  ZmenVelkost(work, s.output, s.output);
  preview = work;
}

void ComposePlain(const Bitmap& screen, const PickSettings& s, uint32_t rop, Bitmap& preview,
                  Bitmap& work) {
  const int in = s.input, out = s.output;
  if (out > in && s.smooth) {
    ResampleSquare(screen, s, preview, work);
  } else if (out >= in) {
    const int d = (out - in) / 2;
    BitBlt(preview, d, d, in, in, screen, s.x, s.y, rop);
  } else if (s.shrink_mode1) {
    ResampleSquare(screen, s, preview, work);
  } else {
    StretchBlt(preview, Rect{0, 0, out, out}, screen, Rect{s.x, s.y, s.x + in, s.y + in}, rop);
  }
}

void ComposeTransparent(const Bitmap& screen, const PickSettings& s, Bitmap& preview,
                        Bitmap& work) {
  const int in = s.input, out = s.output;
  int px = 0, py = 0;
  if (out > in && s.smooth) {
    CopySquare(screen, s, work);
    ZmenVelkost(work, out, out);
  } else if (out >= in) {
    CopySquare(screen, s, work);
    px = py = (out - in) / 2;
  } else {
    work = Bitmap(out, out);
    StretchBlt(work, Rect{0, 0, out, out}, screen, Rect{s.x, s.y, s.x + in, s.y + in}, SRCCOPY);
  }
  const int w = work.Width(), h = work.Height();
  const int mx = w - 1, my = h - 1;
  const Colorref unused = NepouzitaFarba(work);
  if (s.mode == kCropFromTopLeft || s.mode == kCropFromBoth) VyplnOblast(0, 0, work, unused);
  // After the first fill of mode 7 this one finds the key colour already there when the two
  // corners share a region, and stops.
  if (s.mode == kCropFromBottomRight || s.mode == kCropFromBoth) VyplnOblast(mx, my, work, unused);

  Colorref key = unused;
  if (s.mode == kTransparentWhite) key = kWhite;
  if (s.mode == kTransparentTopLeft) key = work.Pixel(0, 0);
  if (s.mode == kTransparentBottomRight) key = work.Pixel(mx, my);
  KresliPriehladne(preview, px, py, w, h, work, key);
}

}  // namespace

void ComposePreview(const Bitmap& screen, const ImageList& tiles, const PickSettings& settings,
                    Bitmap& preview, Bitmap& work) {
  PickSettings s = settings;
  if (s.mode < 0 || s.mode >= kCompositionModeCount) s.mode = kCoverWithPicture;
  if (s.input < 0) s.input = 0;
  if (s.output < 0) s.output = 0;

  PrepareTile(tiles, s.background, work);
  // With the white brush MERGECOPY is a plain copy; mode 0 ANDs everything into the preview.
  const uint32_t rop = s.mode == kCombineColours ? SRCAND : MERGECOPY;
  StretchBlt(preview, Rect{0, 0, s.output, s.output}, work, Rect{0, 0, work.Width(), work.Height()},
             rop, kWhite);

  if (IsTransparentMode(s.mode)) {
    ComposeTransparent(screen, s, preview, work);
  } else {
    ComposePlain(screen, s, rop, preview, work);
  }
}

}  // namespace zorna
