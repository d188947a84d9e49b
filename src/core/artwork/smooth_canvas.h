#pragma once
#include <functional>
#include <vector>

#include "picture/alpha_picture.h"
#include "picture/drawing.h"

namespace zorna {

// Shapes with soft edges for the skins' small pictures: each shape is tested at 4 x 4 points of
// every pixel, and a pixel takes the shape's colour as far as the shape covers it. Coordinates
// are in pixels of the finished picture, (0, 0) the top-left corner of the first pixel.
struct Point {
  double x = 0;
  double y = 0;
};
// A shape: its inside-test and the box it lies in, so that drawing tests only there.
struct Region {
  std::function<bool(double x, double y)> inside;
  double left = 0, top = 0, right = 0, bottom = 0;
  bool operator()(double x, double y) const { return inside(x, y); }
};
using SmoothShader = std::function<Colorref(double x, double y)>;

Region Disc(Point centre, double radius);
Region Ring(Point centre, double outer, double inner);
// A line with round ends, half_width on each side of the segment.
Region Stroke(Point a, Point b, double half_width);
// Strokes along a polyline.
Region Strokes(const std::vector<Point>& points, double half_width);
// An arc of the ring between two angles in degrees (0 at the right, counted clockwise, as the
// picture's y grows downwards).
Region Arc(Point centre, double radius, double half_width, double from, double to);
Region Polygon(std::vector<Point> corners);
Region Box(double left, double top, double right, double bottom, double radius = 0);
Region Union(Region a, Region b);
Region Minus(Region a, Region b);
// The region seen in a mirror standing at x = width / 2.
Region Mirrored(Region region, double width);

// The colour that a button glyph leaves out: its bottom-left pixel has it, as the program reads it.
constexpr Colorref kGlyphTransparent = Rgb(0xFF, 0x00, 0xFF);

class SmoothCanvas {
 public:
  static constexpr int kSamples = 4;  // per side of a pixel
  SmoothCanvas(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(const Region& region, Colorref colour);
  void Fill(const Region& region, const SmoothShader& shade);

  // Lays the drawing over the target at (x, y), each pixel mixed by its coverage.
  void DrawOnto(Bitmap& target, int x, int y) const;
  // A button glyph: mixed over `background`; pixels that nothing covers, and the bottom-left
  // pixel that names the colour the program leaves out, are kGlyphTransparent.
  Bitmap AsGlyph(Colorref background) const;
  // The drawing on its own, each pixel as opaque as the shapes cover it (the desktop's icons).
  AlphaPicture AsAlphaPicture() const;

 private:
  template <typename Each>
  void ForEachPixel(Each each) const;
  int width_;
  int height_;
  Canvas fine_;
};

}  // namespace zorna
