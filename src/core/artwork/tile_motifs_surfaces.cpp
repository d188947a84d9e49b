// Buttons, bevelled and framed squares, textures and the user's slot placeholder.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "artwork/pixel_font.h"
#include "artwork/tile_motifs.h"

namespace zorna {
namespace {

// Smooth deterministic noise in [0, 1): values on an integer lattice, blended between.
double LatticeValue(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65536.0;
}

double ValueNoise(double x, double y, uint32_t seed) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double top = LatticeValue(ix, iy, seed) * (1 - sx) + LatticeValue(ix + 1, iy, seed) * sx;
  const double bottom =
      LatticeValue(ix, iy + 1, seed) * (1 - sx) + LatticeValue(ix + 1, iy + 1, seed) * sx;
  return top * (1 - sy) + bottom * sy;
}

// Several octaves of noise, coarse ones weighing most.
double Turbulence(double x, double y, uint32_t seed, int octaves) {
  double sum = 0, weight = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i, weight /= 2, x *= 2, y *= 2) {
    sum += weight * ValueNoise(x, y, seed + i);
    total += weight;
  }
  return sum / total;
}

int Radius(const Rect& r) {
  return std::max(2, std::min(r.Width(), r.Height()) / 4);
}

// Brightens what is already drawn inside an ellipse, stronger towards its top: a gloss.
void Gloss(Canvas& canvas, const Rect& r, double strength) {
  FillEllipse(canvas, r, [&](int x, int y) {
    const double fade = 1.0 - static_cast<double>(y - r.top) / std::max(1, r.Height());
    return Mix(canvas.picture.Pixel(x, y), kWhite, strength * fade);
  });
}

}  // namespace

void DrawWhiteButton(Canvas& canvas, const Rect& r, ButtonState state) {
  const int radius = Radius(r);
  const bool pressed = state == ButtonState::kPressed;
  const Colorref top = pressed ? Rgb(206, 208, 214) : kWhite;
  const Colorref bottom = pressed ? Rgb(244, 245, 248) : Rgb(214, 216, 222);
  FillRoundRect(canvas, r, radius, VerticalGradient(r.top, r.bottom, top, bottom));
  FrameRoundRect(canvas, r, radius, pressed ? Rgb(84, 86, 96) : Rgb(128, 130, 140));
  const Rect inner = Inset(r, 1);
  if (pressed) {
    // The shadow of the sunken face along its top.
    Line(canvas, inner.left + radius - 1, inner.top, inner.right - radius, inner.top,
         Rgb(160, 162, 170));
  } else {
    Line(canvas, inner.left + radius - 1, inner.bottom - 1, inner.right - radius, inner.bottom - 1,
         Rgb(188, 190, 198));
  }
  if (state == ButtonState::kFocused) {
    const int gap = std::max(3, radius / 2 + 1);
    DottedFrame(canvas, Inset(r, gap), Rgb(40, 40, 48));
  }
}

void DrawBlueButton(Canvas& canvas, const Rect& r) {
  const int radius = Radius(r);
  FillRoundRect(canvas, r, radius,
                VerticalGradient(r.top, r.bottom, Rgb(120, 172, 246), Rgb(26, 76, 190)));
  FrameRoundRect(canvas, r, radius, Rgb(14, 36, 110));
  const Rect shine{r.left + radius / 2 + 1, r.top + 1, r.right - radius / 2 - 1,
                   r.top + r.Height() / 2};
  FillRoundRect(canvas, shine, std::max(1, radius - 1), [&](int x, int y) {
    return Mix(canvas.picture.Pixel(x, y), kWhite,
               0.45 * (1.0 - static_cast<double>(y - shine.top) / shine.Height()));
  });
}

void DrawRoundDarkBlueButton(Canvas& canvas, const Rect& r) {
  const double cx = r.left + r.Width() * 0.38, cy = r.top + r.Height() * 0.34;
  const double reach = r.Width() * 0.8;
  FillEllipse(canvas, r, [&](int x, int y) {
    const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / reach;
    return Mix(Rgb(86, 132, 226), Rgb(8, 20, 84), std::min(1.0, d));
  });
  FrameEllipse(canvas, r, Rgb(4, 10, 48));
  const int w = r.Width(), h = r.Height();
  Gloss(canvas, Rect{r.left + w / 5, r.top + h / 16, r.right - w / 5, r.top + h / 2}, 0.5);
}

void DrawRainbowEllipse(Canvas& canvas, const Rect& r) {
  FillEllipse(canvas, r, [&](int x, int y) {
    const double along = static_cast<double>(x - r.left) / std::max(1, r.Width() - 1);
    const double down = static_cast<double>(y - r.top) / std::max(1, r.Height() - 1);
    return Mix(Hue(300 * along, 0.9), kBlack, 0.35 * down);
  });
  FrameEllipse(canvas, r, Rgb(60, 50, 80));
  Gloss(canvas,
        Rect{r.left + r.Width() / 6, r.top + 2, r.right - r.Width() / 6, r.top + r.Height() / 2},
        0.45);
}

void DrawMarbledBar(Canvas& canvas, const Rect& r) {
  const int radius = r.Height() / 2;
  FillRoundRect(canvas, r, radius, [&](int x, int y) {
    const double turbulence = Turbulence(x / 16.0, y / 16.0, 7, 4);
    const double vein =
        std::fabs(std::sin((x * 0.05 + y * 0.03 + 2.4 * turbulence) * std::numbers::pi));
    const Colorref stone =
        Mix(Rgb(96, 108, 140), Mix(Rgb(246, 244, 238), Rgb(226, 220, 206), turbulence),
            std::pow(vein, 0.25));
    // Light from above rounds the bar.
    const double down = static_cast<double>(y - r.top) / std::max(1, r.Height() - 1);
    return Mix(stone, kBlack, 0.28 * down * down);
  });
  FrameRoundRect(canvas, r, radius, Rgb(70, 76, 96));
}

void DrawBevelledGradient(Canvas& canvas, const Rect& r, Colorref from, Colorref to) {
  FillRect(canvas, r, DiagonalGradient(r, from, to));
  const int depth = std::max(2, r.Width() / 20);
  Bevel(canvas, r, depth, Lighter(from, 0.55), Darker(to, 0.45));
}

void DrawStone(Canvas& canvas, const Rect& r) {
  FillRect(canvas, r, [](int x, int y) {
    const double grain = Turbulence(x / 7.0, y / 7.0, 31, 5);
    Colorref c = Mix(Rgb(84, 80, 76), Rgb(198, 192, 180), grain);
    // Thin dark veins where a second noise field crosses its middle, and a few specks.
    const double crack = Turbulence(x / 14.0, y / 14.0, 57, 3);
    if (std::fabs(crack - 0.5) < 0.018) c = Darker(c, 0.45);
    const double speck = LatticeValue(x, y, 91);
    if (speck > 0.985) c = Lighter(c, 0.35);
    if (speck < 0.015) c = Darker(c, 0.35);
    return c;
  });
}

void DrawFramedSquare(Canvas& canvas, const Rect& r, int frame, Colorref inner,
                      Colorref frame_colour, bool bevelled) {
  FillRect(canvas, r, frame_colour);
  const Rect hole = Inset(r, frame);
  if (bevelled) {
    const int depth = std::max(1, frame / 3);
    Bevel(canvas, r, depth, Lighter(frame_colour, 0.7), Darker(frame_colour, 0.5));
    Bevel(canvas, Inset(hole, -depth), depth, Darker(frame_colour, 0.5),
          Lighter(frame_colour, 0.7));
  } else {
    FrameRect(canvas, r, Darker(frame_colour, 0.35));
    FrameRect(canvas, Inset(hole, -1), Darker(frame_colour, 0.35));
  }
  FillRect(canvas, hole, inner);
}

void DrawCreamSquare(Canvas& canvas, const Rect& r, int radius) {
  FillRoundRect(canvas, r, radius, VerticalGradient(r.top, r.bottom, kCream, Rgb(246, 236, 206)));
  FrameRoundRect(canvas, r, radius, Rgb(176, 160, 120));
}

void DrawUserSlotPlaceholder(Canvas& canvas, int scale) {
  const Rect all{0, 0, canvas.Width(), canvas.Height()};
  FillRect(canvas, all, VerticalGradient(0, all.bottom, Rgb(244, 246, 252), Rgb(222, 228, 242)));
  for (int k = 0; k < scale; ++k) DottedFrame(canvas, Inset(all, k), Rgb(120, 130, 160));
  // Two lines of text centred on the tile.
  const char* words[] = {"Vlastné", "pozadie"};
  const int second = kPixelFontHeight * scale;  // where the second line's cell starts
  const int height = second + kPixelFontHeight * scale;
  const int top = (canvas.Height() - height) / 2;
  for (int i = 0; i < 2; ++i) {
    const int x = (canvas.Width() - PixelTextWidth(words[i], scale) + 1) / 2;
    DrawPixelText(canvas, x, top + i * second, words[i], scale, Rgb(48, 58, 96));
  }
}

}  // namespace zorna
