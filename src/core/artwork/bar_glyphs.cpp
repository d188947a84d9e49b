#include "artwork/bar_glyphs.h"

#include "artwork/smooth_canvas.h"
#include "picture/drawing.h"

namespace zorna {
namespace {

constexpr Colorref kInk = Rgb(0x26, 0x3A, 0x56);
constexpr Colorref kGlass = Rgb(0xB8, 0xD8, 0xF0);
constexpr Colorref kWarm = Rgb(0xD8, 0x6A, 0x1E);
constexpr Colorref kGreen = Rgb(0x3C, 0x9A, 0x46);
constexpr Colorref kPaper = Rgb(0xFA, 0xFA, 0xF4);
constexpr Colorref kBarFace = Rgb(0xDC, 0xE4, 0xEE);

void Magnifier(SmoothCanvas& c) {
  c.Fill(Disc({13, 13}, 8.2), kInk);
  c.Fill(Disc({13, 13}, 6.2), kGlass);
  c.Fill(Arc({13, 13}, 4.2, 0.8, 200, 260), kPaper);
  c.Fill(Stroke({19.2, 19.2}, {27, 27}, 2.4), kInk);
}

// A capital T and the text caret beside it.
void TypedText(SmoothCanvas& c) {
  c.Fill(Box(4, 6, 20, 9.2, 0.6), kInk);
  c.Fill(Box(10.4, 6, 13.6, 26, 0.6), kInk);
  c.Fill(Box(24, 5, 25.6, 27), kWarm);
  c.Fill(Box(21.6, 5, 28, 6.4), kWarm);
  c.Fill(Box(21.6, 25.6, 28, 27), kWarm);
}

// A capital A over a bar of three colours.
void TextFont(SmoothCanvas& c) {
  c.Fill(Stroke({8, 22}, {16, 3.5}, 1.7), kInk);
  c.Fill(Stroke({16, 3.5}, {24, 22}, 1.7), kInk);
  c.Fill(Stroke({11, 15.5}, {21, 15.5}, 1.4), kInk);
  c.Fill(Box(4, 25, 12, 29), kWarm);
  c.Fill(Box(12, 25, 20, 29), kGreen);
  c.Fill(Box(20, 25, 28, 29), Rgb(0x2E, 0x6C, 0xC8));
}

// A framed picture, hills and a sun, with a green plus at its corner.
void AddPicture(SmoothCanvas& c) {
  c.Fill(Box(2, 5, 24, 23, 1.6), kInk);
  c.Fill(Box(4, 7, 22, 21, 0.5), kPaper);
  c.Fill(Polygon({{4, 21}, {10, 12.5}, {14, 17}, {17, 14}, {22, 19.5}, {22, 21}}), kGlass);
  c.Fill(Disc({17.5, 10.5}, 2), kWarm);
  c.Fill(Disc({24, 24}, 7), kPaper);
  c.Fill(Disc({24, 24}, 5.8), kGreen);
  c.Fill(Box(20.5, 23, 27.5, 25), kPaper);
  c.Fill(Box(23, 20.5, 25, 27.5), kPaper);
}

void Go(SmoothCanvas& c) {
  c.Fill(Box(3, 9.5, 14, 14.5, 1), kGreen);
  c.Fill(Polygon({{12, 3.5}, {21.5, 12}, {12, 20.5}}), kGreen);
}

}  // namespace

Bitmap DrawSearchBarGlyph(std::string_view button) {
  const int side = button == "SpeedButton8" ? 24 : 32;
  SmoothCanvas c(side, side);
  if (button == "SpeedButton13") {
    Magnifier(c);
  } else if (button == "SpeedButton14") {
    TypedText(c);
  } else if (button == "SpeedButton15") {
    TextFont(c);
  } else if (button == "SpeedButton16") {
    AddPicture(c);
  } else if (button == "SpeedButton8") {
    Go(c);
  } else {
    return Bitmap();
  }
  return c.AsGlyph(kBarFace);
}

Bitmap DrawHelpGlyph() {
  SmoothCanvas c(16, 16);
  constexpr Colorref kLight = Rgb(0xE8, 0xF4, 0xFF);
  c.Fill(Ring({8, 8}, 7.6, 6.4), kLight);
  c.Fill(Arc({8, 6.2}, 2.4, 0.9, 190, 400), kLight);
  c.Fill(Stroke({8.8, 8.4}, {8, 9.6}, 0.9), kLight);
  c.Fill(Disc({8, 12}, 1.05), kLight);
  return c.AsGlyph(Rgb(0, 0, 0));
}

Bitmap DrawSearchBarBackground(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    const double t = height > 1 ? static_cast<double>(y) / (height - 1) : 0;
    const Colorref row = y == 0 ? Rgb(0xF6, 0xF9, 0xFC) : Mix(Rgb(0xE6, 0xEC, 0xF4), kBarFace, t);
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, row);
  }
  return b;
}

}  // namespace zorna
