#include "picture/drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zorna {

Canvas::Canvas(int width, int height)
    : picture(width, height, kWhite), mask(width, height, kWhite) {}

void Canvas::Plot(int x, int y, Colorref c) {
  picture.SetPixel(x, y, c);
  mask.SetPixel(x, y, kBlack);
}

void Canvas::Erase(int x, int y) {
  picture.SetPixel(x, y, kWhite);
  mask.SetPixel(x, y, kWhite);
}

namespace {

uint8_t Channel(double v) {
  return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

double Fraction(int at, int from, int to) {
  if (to - 1 <= from) return 0.0;
  return std::clamp(static_cast<double>(at - from) / (to - 1 - from), 0.0, 1.0);
}

// Calls paint(x, y) for every pixel of r that lies on the canvas and passes the test.
template <typename Test, typename Paint>
void ForEachInside(const Canvas& canvas, const Rect& r, Test inside, Paint paint) {
  const int x0 = std::max(r.left, 0), x1 = std::min(r.right, canvas.Width());
  const int y0 = std::max(r.top, 0), y1 = std::min(r.bottom, canvas.Height());
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (inside(x, y)) paint(x, y);
}

bool InsideRect(const Rect& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

}  // namespace

void FillShape(Canvas& canvas, const Rect& bounds, const Inside& inside, const Shader& shade) {
  ForEachInside(canvas, bounds, inside, [&](int x, int y) { canvas.Plot(x, y, shade(x, y)); });
}

// The pixels of a shape that have a 4-neighbour outside it.
void FrameShape(Canvas& canvas, const Rect& bounds, const Inside& inside, Colorref c) {
  ForEachInside(canvas, bounds, inside, [&](int x, int y) {
    if (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1))
      canvas.Plot(x, y, c);
  });
}

Rect Centered(const Rect& r, int width, int height) {
  const int left = r.left + (r.Width() - width) / 2, top = r.top + (r.Height() - height) / 2;
  return Rect{left, top, left + width, top + height};
}

Rect Inset(const Rect& r, int by) {
  return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

Colorref Mix(Colorref a, Colorref b, double t) {
  auto mix = [t](uint8_t p, uint8_t q) { return Channel(p + (q - p) * t); };
  return Rgb(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

Colorref Lighter(Colorref c, double amount) {
  return Mix(c, kWhite, amount);
}
Colorref Darker(Colorref c, double amount) {
  return Mix(c, kBlack, amount);
}

Colorref Hue(double degrees, double saturation, double value) {
  const double h = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0) / 60.0;
  const double c = value * saturation;
  const double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
  const double m = value - c;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h)) {
    case 0:
      r = c, g = x;
      break;
    case 1:
      r = x, g = c;
      break;
    case 2:
      g = c, b = x;
      break;
    case 3:
      g = x, b = c;
      break;
    case 4:
      r = x, b = c;
      break;
    default:
      r = c, b = x;
      break;
  }
  return Rgb(Channel((r + m) * 255), Channel((g + m) * 255), Channel((b + m) * 255));
}

Shader Solid(Colorref c) {
  return [c](int, int) { return c; };
}

Shader VerticalGradient(int top, int bottom, Colorref from, Colorref to) {
  return [=](int, int y) { return Mix(from, to, Fraction(y, top, bottom)); };
}

Shader HorizontalGradient(int left, int right, Colorref from, Colorref to) {
  return [=](int x, int) { return Mix(from, to, Fraction(x, left, right)); };
}

Shader DiagonalGradient(const Rect& r, Colorref from, Colorref to) {
  return [=](int x, int y) {
    return Mix(from, to, Fraction(x - r.left + y - r.top, 0, r.Width() + r.Height() - 1));
  };
}

bool InsideEllipse(const Rect& b, int x, int y) {
  const double rx = b.Width() / 2.0, ry = b.Height() / 2.0;
  if (rx <= 0 || ry <= 0) return false;
  const double dx = (x + 0.5 - (b.left + rx)) / rx, dy = (y + 0.5 - (b.top + ry)) / ry;
  return dx * dx + dy * dy <= 1.0;
}

bool InsideRoundRect(const Rect& r, int radius, int x, int y) {
  if (!InsideRect(r, x, y)) return false;
  const double px = x + 0.5, py = y + 0.5;
  const double dx = std::max({r.left + radius - px, px - (r.right - radius), 0.0});
  const double dy = std::max({r.top + radius - py, py - (r.bottom - radius), 0.0});
  return dx * dx + dy * dy <= static_cast<double>(radius) * radius;
}

void FillRect(Canvas& canvas, const Rect& r, const Shader& shade) {
  ForEachInside(
      canvas, r, [](int, int) { return true; },
      [&](int x, int y) { canvas.Plot(x, y, shade(x, y)); });
}

void FillRect(Canvas& canvas, const Rect& r, Colorref c) {
  FillRect(canvas, r, Solid(c));
}

void FillEllipse(Canvas& canvas, const Rect& b, const Shader& shade) {
  ForEachInside(
      canvas, b, [&](int x, int y) { return InsideEllipse(b, x, y); },
      [&](int x, int y) { canvas.Plot(x, y, shade(x, y)); });
}

void FillEllipse(Canvas& canvas, const Rect& b, Colorref c) {
  FillEllipse(canvas, b, Solid(c));
}

void FillRoundRect(Canvas& canvas, const Rect& r, int radius, const Shader& shade) {
  ForEachInside(
      canvas, r, [&](int x, int y) { return InsideRoundRect(r, radius, x, y); },
      [&](int x, int y) { canvas.Plot(x, y, shade(x, y)); });
}

void FillRoundRect(Canvas& canvas, const Rect& r, int radius, Colorref c) {
  FillRoundRect(canvas, r, radius, Solid(c));
}

void EraseEllipse(Canvas& canvas, const Rect& b) {
  ForEachInside(
      canvas, b, [&](int x, int y) { return InsideEllipse(b, x, y); },
      [&](int x, int y) { canvas.Erase(x, y); });
}

void Line(Canvas& canvas, int x0, int y0, int x1, int y1, Colorref c) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    canvas.Plot(x0, y0, c);
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void FrameRect(Canvas& canvas, const Rect& r, Colorref c) {
  FrameShape(
      canvas, r, [&](int x, int y) { return InsideRect(r, x, y); }, c);
}

void FrameRoundRect(Canvas& canvas, const Rect& r, int radius, Colorref c) {
  FrameShape(
      canvas, r, [&](int x, int y) { return InsideRoundRect(r, radius, x, y); }, c);
}

void FrameEllipse(Canvas& canvas, const Rect& b, Colorref c) {
  FrameShape(
      canvas, b, [&](int x, int y) { return InsideEllipse(b, x, y); }, c);
}

void DottedFrame(Canvas& canvas, const Rect& r, Colorref c) {
  for (int x = r.left; x < r.right; ++x) {
    if ((x + r.top) % 2 == 0) canvas.Plot(x, r.top, c);
    if ((x + r.bottom - 1) % 2 == 0) canvas.Plot(x, r.bottom - 1, c);
  }
  for (int y = r.top; y < r.bottom; ++y) {
    if ((r.left + y) % 2 == 0) canvas.Plot(r.left, y, c);
    if ((r.right - 1 + y) % 2 == 0) canvas.Plot(r.right - 1, y, c);
  }
}

void Bevel(Canvas& canvas, const Rect& r, int width, Colorref light, Colorref dark) {
  for (int k = 0; k < width; ++k) {
    const int l = r.left + k, t = r.top + k, rr = r.right - 1 - k, b = r.bottom - 1 - k;
    if (l > rr || t > b) return;
    Line(canvas, l, t, rr, t, light);
    Line(canvas, l, t, l, b, light);
    Line(canvas, l, b, rr, b, dark);
    Line(canvas, rr, t, rr, b, dark);
  }
}

}  // namespace zorna
