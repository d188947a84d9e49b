#pragma once
#include <functional>

#include "picture/bitmap.h"
#include "picture/raster.h"

namespace zorna {

// A picture being drawn together with the record of what has been painted: `mask` is black
// wherever something was drawn and white elsewhere, which is exactly an image-list mask, so a
// drawing with a transparent surround needs no second pass.
struct Canvas {
  Canvas(int width, int height);
  int Width() const { return picture.Width(); }
  int Height() const { return picture.Height(); }
  void Plot(int x, int y, Colorref c);
  // Marks a pixel as not drawn (a hole in a disc).
  void Erase(int x, int y);

  Bitmap picture;
  Bitmap mask;
};

// Colour at a pixel of a shape, for gradients and textures.
using Shader = std::function<Colorref(int x, int y)>;

// Colour arithmetic.
Colorref Mix(Colorref a, Colorref b, double t);  // t = 0 gives a, 1 gives b
Colorref Lighter(Colorref c, double amount);     // towards white
Colorref Darker(Colorref c, double amount);      // towards black
Colorref Hue(double degrees, double saturation = 1.0, double value = 1.0);

// Shaders.
Shader Solid(Colorref c);
Shader VerticalGradient(int top, int bottom, Colorref from, Colorref to);
Shader HorizontalGradient(int left, int right, Colorref from, Colorref to);
Shader DiagonalGradient(const Rect& r, Colorref from, Colorref to);  // top-left to bottom-right

// Filled shapes; rectangles are half-open (right and bottom are not drawn).
void FillRect(Canvas& canvas, const Rect& r, const Shader& shade);
void FillRect(Canvas& canvas, const Rect& r, Colorref c);
void FillEllipse(Canvas& canvas, const Rect& bounds, const Shader& shade);
void FillEllipse(Canvas& canvas, const Rect& bounds, Colorref c);
void FillRoundRect(Canvas& canvas, const Rect& r, int radius, const Shader& shade);
void FillRoundRect(Canvas& canvas, const Rect& r, int radius, Colorref c);
void EraseEllipse(Canvas& canvas, const Rect& bounds);

// Outlines, one pixel wide.
void Line(Canvas& canvas, int x0, int y0, int x1, int y1, Colorref c);
void FrameRect(Canvas& canvas, const Rect& r, Colorref c);
void FrameRoundRect(Canvas& canvas, const Rect& r, int radius, Colorref c);
void FrameEllipse(Canvas& canvas, const Rect& bounds, Colorref c);
// A dotted outline, every other pixel, as a focus frame.
void DottedFrame(Canvas& canvas, const Rect& r, Colorref c);
// A raised (or, swapping the colours, sunken) edge `width` pixels deep inside r.
void Bevel(Canvas& canvas, const Rect& r, int width, Colorref light, Colorref dark);

// Any shape given by an inside-test, searched within its bounds.
using Inside = std::function<bool(int x, int y)>;
void FillShape(Canvas& canvas, const Rect& bounds, const Inside& inside, const Shader& shade);
void FrameShape(Canvas& canvas, const Rect& bounds, const Inside& inside, Colorref c);

// A rectangle of the given size centred in r (an odd difference leaves the extra pixel on the
// right and bottom), and r shrunk by `by` pixels on every side.
Rect Centered(const Rect& r, int width, int height);
Rect Inset(const Rect& r, int by);

// Inside-tests shared by the shapes, at pixel centres.
bool InsideEllipse(const Rect& bounds, int x, int y);
bool InsideRoundRect(const Rect& r, int radius, int x, int y);

}  // namespace zorna
