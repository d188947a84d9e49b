// The skins' button glyphs and caption emblems, drawn with soft edges.
#include "artwork/skin_glyphs.h"

#include <cmath>
#include <numbers>

#include "settings/skin_files.h"

namespace zorna {
namespace {

struct Ink {
  Colorref line, fill, warm, paper, background;
};

// A disabled cell: the same drawing, faded into the background and without colour.
Ink Faded(const Ink& ink) {
  auto grey = [&](Colorref c) {
    const int luma = (RedOf(c) * 3 + GreenOf(c) * 6 + BlueOf(c)) / 10;
    return Mix(Rgb(luma, luma, luma), ink.background, 0.55);
  };
  return {grey(ink.line), grey(ink.fill), grey(ink.warm), grey(ink.paper), ink.background};
}

Point Along(Point p, double angle_degrees, double distance) {
  const double a = angle_degrees * std::numbers::pi / 180;
  return {p.x + std::cos(a) * distance, p.y + std::sin(a) * distance};
}

// A triangular arrow head with its tip at `tip`, pointing along the angle.
Region ArrowHead(Point tip, double angle, double length, double half_width) {
  const Point back = Along(tip, angle + 180, length);
  return Polygon({tip, Along(back, angle + 90, half_width), Along(back, angle - 90, half_width)});
}

void Minimize(SmoothCanvas& c, const Ink& ink) {
  c.Fill(Box(4, 13, 16, 16.2, 1.4), ink.line);
}

void Close(SmoothCanvas& c, const Ink& ink) {
  c.Fill(Stroke({5.5, 5.5}, {14.5, 14.5}, 1.7), ink.warm);
  c.Fill(Stroke({14.5, 5.5}, {5.5, 14.5}, 1.7), ink.warm);
}

void Info(SmoothCanvas& c, const Ink& ink) {
  c.Fill(Disc({10, 10}, 8), ink.line);
  c.Fill(Disc({10, 10}, 6.8), ink.fill);
  c.Fill(Disc({10, 5.9}, 1.45), ink.paper);
  c.Fill(Box(8.7, 8.3, 11.3, 15.2, 0.7), ink.paper);
}

// An arrow to the right edge of the screen: a shaft, its head and the edge it goes to.
void ToRightEdge(SmoothCanvas& c, const Ink& ink, bool mirrored) {
  auto draw = [&](Region region, Colorref colour) {
    c.Fill(mirrored ? Mirrored(std::move(region), 20) : std::move(region), colour);
  };
  draw(Stroke({3, 10}, {11, 10}, 1.4), ink.line);
  draw(ArrowHead({15, 10}, 0, 6, 4.6), ink.line);
  draw(Box(16.4, 3, 18.4, 17, 0.9), ink.fill);
}

void Sheet(SmoothCanvas& c, const Ink& ink, double left, double top) {
  c.Fill(Box(left, top, left + 10, top + 12, 1.2), ink.line);
  c.Fill(Box(left + 1.2, top + 1.2, left + 8.8, top + 10.8, 0.4), ink.paper);
}

void Copy(SmoothCanvas& c, const Ink& ink, double dx) {
  Sheet(c, ink, dx + 3, 2);
  Sheet(c, ink, dx + 7, 6);
  for (double y : {9.5, 12.0, 14.5}) c.Fill(Box(dx + 9.3, y, dx + 14.7, y + 1.1), ink.fill);
}

// A diskette: the body, its shutter with the slot, the label.
void Save(SmoothCanvas& c, const Ink& ink, double dx) {
  c.Fill(Polygon({{dx + 3, 3}, {dx + 15, 3}, {dx + 17.2, 5.2}, {dx + 17.2, 17.2}, {dx + 3, 17.2}}),
         ink.line);
  c.Fill(Box(dx + 4.3, 4.3, dx + 15.9, 15.9, 0.3), ink.fill);
  c.Fill(Box(dx + 6.2, 3, dx + 13.8, 8.2, 0.4), ink.paper);
  c.Fill(Box(dx + 11, 4, dx + 12.8, 7.2), ink.line);
  c.Fill(Box(dx + 5.6, 10.8, dx + 14.4, 17.2, 0.6), ink.paper);
  for (double y : {12.6, 14.8}) c.Fill(Box(dx + 7, y, dx + 13, y + 0.9), ink.fill);
}

// A framed picture: hills and a sun.
void Gallery(SmoothCanvas& c, const Ink& ink) {
  c.Fill(Box(1.8, 3.5, 18.2, 16.5, 1.6), ink.line);
  c.Fill(Box(3.2, 4.9, 16.8, 15.1, 0.5), ink.paper);
  c.Fill(Polygon({{3.2, 15.1}, {8, 8.6}, {11.2, 12.2}, {13.4, 10}, {16.8, 14}, {16.8, 15.1}}),
         ink.fill);
  c.Fill(Disc({13.8, 7.8}, 1.7), ink.warm);
}

// A painter's palette with its thumb hole and four dabs of colour.
void Theme(SmoothCanvas& c, const Ink& ink) {
  const Point hole{13.6, 13.8};
  c.Fill(Minus(Disc({10, 10}, 8.2), Disc(hole, 2.3)), ink.line);
  c.Fill(Minus(Disc({10, 10}, 6.9), Disc(hole, 3.6)), ink.paper);
  c.Fill(Disc({6.4, 8.6}, 1.6), ink.warm);
  c.Fill(Disc({9.6, 5.4}, 1.6), ink.fill);
  c.Fill(Disc({13.6, 7.2}, 1.6), ink.line);
  c.Fill(Disc({7.2, 12.8}, 1.6), Mix(ink.warm, ink.fill, 0.5));
}

// A padlock; open, its shackle stands to the right with only one leg in the body.
void Padlock(SmoothCanvas& c, const Ink& ink, bool locked) {
  const double left = locked ? 1.8 : 0.6, right = left + 9.4;
  const Point top{locked ? 6.5 : right - 0.2, locked ? 5.2 : 4.4};
  const double radius = 2.6;
  c.Fill(Union(Arc(top, radius, 0.9, 180, 360),
               Union(Stroke({top.x - radius, top.y}, {top.x - radius, 7}, 0.9),
                     Stroke({top.x + radius, top.y}, {top.x + radius, locked ? 7 : 5.6}, 0.9))),
         ink.line);
  c.Fill(Box(left, 6.6, right, 12.4, 1.3), ink.line);
  c.Fill(Box(left + 1.1, 7.7, right - 1.1, 11.3, 0.6), locked ? ink.fill : ink.paper);
  const double middle = (left + right) / 2;
  c.Fill(Union(Disc({middle, 9.1}, 0.95), Stroke({middle, 9.1}, {middle, 10.6}, 0.45)), ink.line);
}

// A turn over the top, clockwise, with its head pointing down where the turn ends.
void Turn(SmoothCanvas& c, const Ink& ink, bool clockwise) {
  const Point centre{6.8, 7.8};
  const double radius = 4.6, end_angle = 345;
  const Point end = Along(centre, end_angle, radius);
  const double heading = end_angle + 90;  // the way a clockwise turn goes at its end
  const Region turn = Union(Arc(centre, radius, 0.85, 170, end_angle),
                            ArrowHead(Along(end, heading, 3.4), heading, 5.2, 3.3));
  c.Fill(clockwise ? turn : Mirrored(turn, 15), ink.line);
}

// A triangle's outline: the triangle less a smaller one about its middle.
Region Hollow(const std::vector<Point>& t, double keep) {
  const Point m{(t[0].x + t[1].x + t[2].x) / 3, (t[0].y + t[1].y + t[2].y) / 3};
  std::vector<Point> inner;
  for (const Point& p : t) inner.push_back({m.x + (p.x - m.x) * keep, m.y + (p.y - m.y) * keep});
  return Minus(Polygon(t), Polygon(inner));
}

// Two arrow heads mirrored about a dashed axis: one full, its image hollow.
void Flip(SmoothCanvas& c, const Ink& ink, bool left_right) {
  if (left_right) {
    for (double y = 0.6; y < 12.5; y += 2.6) c.Fill(Box(7, y, 8, y + 1.5), ink.line);
    c.Fill(Polygon({{0.6, 6.5}, {5.8, 1.3}, {5.8, 11.7}}), ink.line);
    c.Fill(Hollow({{14.4, 6.5}, {9.2, 1.3}, {9.2, 11.7}}, 0.45), ink.line);
  } else {
    for (double x = 0.8; x < 14.5; x += 2.6) c.Fill(Box(x, 6.1, x + 1.5, 6.9), ink.line);
    c.Fill(Polygon({{7.5, 0.6}, {3, 5}, {12, 5}}), ink.line);
    c.Fill(Hollow({{7.5, 12.4}, {3, 8}, {12, 8}}, 0.45), ink.line);
  }
}

struct GlyphSize {
  int width, height;
};

GlyphSize CellSize(std::string_view button) {
  if (button == "Zamknute" || button == "Odomknute") return {13, 13};
  if (!IsStripButton(button)) return {15, 13};
  return {20, 20};
}

void DrawCell(SmoothCanvas& c, std::string_view b, const Ink& ink, double dx) {
  if (b == "Minimize") Minimize(c, ink);
  if (b == "Close") Close(c, ink);
  if (b == "Info") Info(c, ink);
  if (b == "Right" || b == "Left") ToRightEdge(c, ink, b == "Left");
  if (b == "Copy") Copy(c, ink, dx);
  if (b == "Save") Save(c, ink, dx);
  if (b == "Gallery") Gallery(c, ink);
  if (b == "Theme") Theme(c, ink);
  if (b == "Zamknute" || b == "Odomknute") Padlock(c, ink, b == "Zamknute");
  if (b == "OtocDoprava" || b == "OtocDolava") Turn(c, ink, b == "OtocDoprava");
  if (b == "PreklopVodorovne" || b == "PreklopZvislo") Flip(c, ink, b == "PreklopVodorovne");
}

}  // namespace

Bitmap DrawSkinGlyph(std::string_view button, const SkinDesign& design) {
  const SkinPalette& p = design.colours;
  const GlyphSize cell = CellSize(button);
  const bool strip = IsStripButton(button);
  const Ink ink = strip ? Ink{p.ink, p.ink_fill, p.warm, p.paper, p.well}
                        : Ink{p.body_ink, p.body_fill, p.warm, p.paper, p.body};
  const bool two = HasTwoGlyphCells(button);
  SmoothCanvas c(cell.width * (two ? 2 : 1), cell.height);
  DrawCell(c, button, ink, 0);
  if (two) DrawCell(c, button, Faded(ink), cell.width);
  return c.AsGlyph(ink.background);
}

SmoothCanvas DrawPanelEmblem(std::string_view panel, int side, const SkinPalette& colours) {
  SmoothCanvas c(side, side);
  const double s = side / 12.0;  // drawn on a 12 x 12 plan
  const Colorref ink = colours.accent;
  if (panel == "Vstup") {
    // The corners of the picking square around a point.
    for (const auto& corner :
         std::initializer_list<std::vector<Point>>{{{1, 4}, {1, 1}, {4, 1}},
                                                   {{8, 1}, {11, 1}, {11, 4}},
                                                   {{11, 8}, {11, 11}, {8, 11}},
                                                   {{4, 11}, {1, 11}, {1, 8}}}) {
      std::vector<Point> scaled;
      for (const Point& pt : corner) scaled.push_back({pt.x * s, pt.y * s});
      c.Fill(Strokes(scaled, 0.75 * s), ink);
    }
    c.Fill(Disc({6 * s, 6 * s}, 1.5 * s), ink);
  } else if (panel == "Lupa") {
    c.Fill(Ring({5 * s, 5 * s}, 4.2 * s, 2.8 * s), ink);
    c.Fill(Stroke({8.2 * s, 8.2 * s}, {11 * s, 11 * s}, 1.1 * s), ink);
  } else if (panel == "Podklad") {
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 3; ++col) {
        const double x = 0.5 + col * 3.8, y = 0.5 + row * 3.8;
        const bool full = (row + col) % 2 == 0;
        c.Fill(Box(x * s, y * s, (x + 3.2) * s, (y + 3.2) * s, 0.5 * s),
               full ? ink : Mix(ink, colours.caption_bottom, 0.6));
      }
    }
  } else {
    // A five-pointed star: the finished picture.
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
      const double radius = (i % 2 == 0 ? 5.8 : 2.5) * s;
      star.push_back(Along({6 * s, 6.4 * s}, -90 + i * 36, radius));
    }
    c.Fill(Polygon(star), ink);
  }
  return c;
}

}  // namespace zorna
