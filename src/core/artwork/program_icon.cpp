#include "artwork/program_icon.h"

#include <algorithm>
#include <cmath>

#include "artwork/smooth_canvas.h"

namespace zorna {
namespace {

constexpr Colorref kEdge = Rgb(0x17, 0x3f, 0x6e);
constexpr Colorref kSkyTop = Rgb(0x7c, 0xc8, 0xf4);
constexpr Colorref kSkyLow = Rgb(0x2c, 0x78, 0xc8);
constexpr Colorref kHillTop = Rgb(0x7a, 0xc9, 0x4e);
constexpr Colorref kHillLow = Rgb(0x2f, 0x80, 0x32);
constexpr Colorref kSun = Rgb(0xff, 0xd0, 0x40);
constexpr Colorref kFrame = Rgb(0xff, 0xff, 0xff);
constexpr Colorref kShadow = Rgb(0x10, 0x24, 0x40);
constexpr Colorref kPointer = Rgb(0x14, 0x14, 0x14);

// The design is laid out on a unit square; `Scale` turns its lengths into pixels.
struct Scale {
  double side;
  double operator()(double unit) const { return unit * side; }
  // A line of the design, never thinner than `least` pixels.
  double Line(double unit, double least) const { return std::max(unit * side, least); }
};

bool InHill(double x, double y) {
  const double dx = (x - 0.3) / 0.75, dy = (y - 1.0) / 0.4;
  return dx * dx + dy * dy <= 1;
}

// The screen's piece: sky fading downwards, a sun and a green hill.
SmoothShader Landscape(const Scale& s) {
  return [s](double px, double py) {
    const double x = px / s.side, y = py / s.side;
    if (InHill(x, y)) return Mix(kHillTop, kHillLow, std::clamp((y - 0.6) / 0.34, 0.0, 1.0));
    if (std::hypot(x - 0.29, y - 0.29) <= 0.1) return kSun;
    return Mix(kSkyTop, kSkyLow, std::clamp((y - 0.08) / 0.8, 0.0, 1.0));
  };
}

// The arrow pointer with its tip at `tip`, `size` pixels tall.
std::vector<Point> PointerOutline(Point tip, double size) {
  const std::vector<Point> unit{{0, 0},       {0, 1},      {0.25, 0.77}, {0.42, 1.1},
                                {0.56, 1.03}, {0.4, 0.71}, {0.71, 0.71}};
  std::vector<Point> points;
  for (const Point& p : unit) points.push_back({tip.x + p.x * size, tip.y + p.y * size});
  return points;
}

}  // namespace

const std::vector<int>& ProgramIconSizes() {
  static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
  return sizes;
}

AlphaPicture DrawProgramIcon(int side) {
  const Scale s{static_cast<double>(side)};
  SmoothCanvas canvas(side, side);
  const double margin = s.Line(0.06, 0.5), radius = s(0.2);
  const double edge = s.Line(0.035, 1.0);
  canvas.Fill(Box(margin, margin, side - margin, side - margin, radius), kEdge);
  canvas.Fill(Box(margin + edge, margin + edge, side - margin - edge, side - margin - edge,
                  std::max(radius - edge, 0.0)),
              Landscape(s));

  // The square the program picks: a white frame with a dark line outside it.
  const double left = s(0.38), top = s(0.34), right = s(0.74), bottom = s(0.7);
  const double frame = s.Line(0.04, 1.0), shade = s.Line(0.02, 0.75);
  canvas.Fill(Minus(Box(left - shade, top - shade, right + shade, bottom + shade),
                    Box(left + frame + shade, top + frame + shade, right - frame - shade,
                        bottom - frame - shade)),
              kShadow);
  canvas.Fill(Minus(Box(left, top, right, bottom),
                    Box(left + frame, top + frame, right - frame, bottom - frame)),
              kFrame);

  // The pointer at the square's lower right corner: white with a dark edge.
  const std::vector<Point> pointer = PointerOutline({right - frame, bottom - frame}, s(0.24));
  std::vector<Point> closed = pointer;
  closed.push_back(pointer.front());
  const double outline = s.Line(0.016, 0.6);
  canvas.Fill(Union(Polygon(pointer), Strokes(closed, outline)), kPointer);
  canvas.Fill(Minus(Polygon(pointer), Strokes(closed, outline)), kFrame);
  return canvas.AsAlphaPicture();
}

}  // namespace zorna
