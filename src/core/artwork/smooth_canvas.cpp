#include "artwork/smooth_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorna {
namespace {

constexpr int kS = SmoothCanvas::kSamples;

double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length = dx * dx + dy * dy;
  double t = length == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

Region Disc(Point c, double r) {
  return {[=](double x, double y) { return std::hypot(x - c.x, y - c.y) <= r; }, c.x - r, c.y - r,
          c.x + r, c.y + r};
}

Region Ring(Point c, double outer, double inner) {
  return {[=](double x, double y) {
            const double d = std::hypot(x - c.x, y - c.y);
            return d <= outer && d >= inner;
          },
          c.x - outer, c.y - outer, c.x + outer, c.y + outer};
}

Region Stroke(Point a, Point b, double half_width) {
  return Strokes({a, b}, half_width);
}

Region Strokes(const std::vector<Point>& points, double half_width) {
  Region r{[=](double x, double y) {
             for (size_t i = 1; i < points.size(); ++i) {
               if (SegmentDistance({x, y}, points[i - 1], points[i]) <= half_width) return true;
             }
             return false;
           },
           1e9, 1e9, -1e9, -1e9};
  for (const Point& p : points) {
    r.left = std::min(r.left, p.x - half_width);
    r.top = std::min(r.top, p.y - half_width);
    r.right = std::max(r.right, p.x + half_width);
    r.bottom = std::max(r.bottom, p.y + half_width);
  }
  return r;
}

Region Arc(Point c, double radius, double half_width, double from, double to) {
  const double reach = radius + half_width;
  return {[=](double x, double y) {
            const double d = std::hypot(x - c.x, y - c.y);
            if (std::abs(d - radius) > half_width) return false;
            double angle = std::atan2(y - c.y, x - c.x) * 180 / std::numbers::pi;
            while (angle < from) angle += 360;
            while (angle >= from + 360) angle -= 360;
            return angle <= to;
          },
          c.x - reach, c.y - reach, c.x + reach, c.y + reach};
}

Region Polygon(std::vector<Point> corners) {
  Region r{{}, 1e9, 1e9, -1e9, -1e9};
  for (const Point& p : corners) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  r.inside = [corners = std::move(corners)](double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const Point& a = corners[i];
      const Point& b = corners[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
        inside = !inside;
      }
    }
    return inside;
  };
  return r;
}

Region Box(double left, double top, double right, double bottom, double radius) {
  return {[=](double x, double y) {
            if (x < left || x > right || y < top || y > bottom) return false;
            const double cx = std::clamp(x, left + radius, right - radius);
            const double cy = std::clamp(y, top + radius, bottom - radius);
            return std::hypot(x - cx, y - cy) <= radius;
          },
          left, top, right, bottom};
}

Region Union(Region a, Region b) {
  const double left = std::min(a.left, b.left), top = std::min(a.top, b.top);
  const double right = std::max(a.right, b.right), bottom = std::max(a.bottom, b.bottom);
  return {[a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); },
          left, top, right, bottom};
}

Region Minus(Region a, Region b) {
  const double left = a.left, top = a.top, right = a.right, bottom = a.bottom;
  return {[a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); },
          left, top, right, bottom};
}

Region Mirrored(Region region, double width) {
  const double left = width - region.right, right = width - region.left;
  const double top = region.top, bottom = region.bottom;
  return {[region = std::move(region), width](double x, double y) { return region(width - x, y); },
          left, top, right, bottom};
}

SmoothCanvas::SmoothCanvas(int width, int height)
    : width_(width), height_(height), fine_(width * kS, height * kS) {}

void SmoothCanvas::Fill(const Region& region, Colorref colour) {
  Fill(region, [colour](double, double) { return colour; });
}

void SmoothCanvas::Fill(const Region& region, const SmoothShader& shade) {
  const int fx0 = std::max(0, static_cast<int>(std::floor(region.left * kS)));
  const int fy0 = std::max(0, static_cast<int>(std::floor(region.top * kS)));
  const int fx1 = std::min(fine_.Width(), static_cast<int>(std::ceil(region.right * kS)) + 1);
  const int fy1 = std::min(fine_.Height(), static_cast<int>(std::ceil(region.bottom * kS)) + 1);
  for (int fy = fy0; fy < fy1; ++fy) {
    const double y = (fy + 0.5) / kS;
    for (int fx = fx0; fx < fx1; ++fx) {
      const double x = (fx + 0.5) / kS;
      if (region(x, y)) fine_.Plot(fx, fy, shade(x, y));
    }
  }
}

// Calls each(x, y, coverage, colour) for every pixel, the colour averaged over what is covered.
template <typename Each>
void SmoothCanvas::ForEachPixel(Each each) const {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int covered = 0, r = 0, g = 0, b = 0;
      for (int sy = 0; sy < kS; ++sy) {
        for (int sx = 0; sx < kS; ++sx) {
          const int fx = x * kS + sx, fy = y * kS + sy;
          if (fine_.mask.Pixel(fx, fy) != kBlack) continue;
          const Colorref c = fine_.picture.Pixel(fx, fy);
          ++covered;
          r += RedOf(c);
          g += GreenOf(c);
          b += BlueOf(c);
        }
      }
      if (covered == 0) {
        each(x, y, 0.0, kBlack);
        continue;
      }
      const Colorref average =
          Rgb(static_cast<uint8_t>(r / covered), static_cast<uint8_t>(g / covered),
              static_cast<uint8_t>(b / covered));
      each(x, y, static_cast<double>(covered) / (kS * kS), average);
    }
  }
}

void SmoothCanvas::DrawOnto(Bitmap& target, int left, int top) const {
  ForEachPixel([&](int x, int y, double coverage, Colorref colour) {
    if (coverage > 0) {
      target.SetPixel(left + x, top + y, Mix(target.Pixel(left + x, top + y), colour, coverage));
    }
  });
}

Bitmap SmoothCanvas::AsGlyph(Colorref background) const {
  Bitmap glyph(width_, height_, kGlyphTransparent);
  ForEachPixel([&](int x, int y, double coverage, Colorref colour) {
    // A trace of cover would leave a speck of the background around the glyph.
    if (coverage >= 0.125) glyph.SetPixel(x, y, Mix(background, colour, coverage));
  });
  glyph.SetPixel(0, height_ - 1, kGlyphTransparent);
  return glyph;
}

AlphaPicture SmoothCanvas::AsAlphaPicture() const {
  AlphaPicture picture{Bitmap(width_, height_, kBlack),
                       std::vector<uint8_t>(static_cast<size_t>(width_) * height_, 0)};
  ForEachPixel([&](int x, int y, double coverage, Colorref colour) {
    picture.color.SetPixel(x, y, colour);
    picture.alpha[static_cast<size_t>(y) * width_ + x] =
        static_cast<uint8_t>(std::lround(coverage * 255));
  });
  return picture;
}

}  // namespace zorna
