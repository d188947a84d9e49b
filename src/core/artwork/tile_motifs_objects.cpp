// Folders, discs, windows, computers and pages of the background tiles.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "artwork/tile_motifs.h"

namespace zorna {
namespace {

int Part(int length, double share, int at_least = 1) {
  return std::max(at_least, static_cast<int>(std::lround(length * share)));
}

// Angle in degrees of the pixel centre around the centre of r.
double AngleAround(const Rect& r, int x, int y) {
  const double cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0;
  return std::atan2(y + 0.5 - cy, x + 0.5 - cx) * 180.0 / std::numbers::pi;
}

constexpr Colorref kBeige = Rgb(228, 223, 206);
constexpr Colorref kBeigeShade = Rgb(196, 189, 168);
constexpr Colorref kCaseOutline = Rgb(96, 90, 78);

}  // namespace

FolderLook YellowFolder() {
  return {FolderLook::Flap::kGradient, Rgb(255, 234, 134), Rgb(240, 182, 40), Rgb(226, 168, 34),
          Rgb(140, 96, 16)};
}

FolderLook DitheredBlueFolder() {
  return {FolderLook::Flap::kDithered, kWhite, Rgb(52, 96, 214), Rgb(44, 80, 180),
          Rgb(16, 32, 110)};
}

FolderLook StripedBlueFolder() {
  return {FolderLook::Flap::kStriped, Rgb(160, 196, 248), Rgb(66, 118, 224), Rgb(52, 92, 190),
          Rgb(20, 40, 120)};
}

void DrawFolder(Canvas& canvas, const Rect& r, const FolderLook& look) {
  const int w = r.Width(), h = r.Height();
  const int tab_h = Part(h, 0.14, 2), radius = Part(h, 0.07);
  const Rect tab{r.left, r.top, r.left + Part(w, 0.42), r.top + tab_h + radius + 1};
  const Rect back{r.left, r.top + tab_h, r.right, r.bottom};
  // Tab and back panel are one shape, so no line separates them.
  auto behind = [&](int x, int y) {
    return InsideRoundRect(tab, radius, x, y) || InsideRoundRect(back, radius, x, y);
  };
  const Rect whole{r.left, r.top, r.right, r.bottom};
  FillShape(canvas, whole, behind, Solid(look.back));
  FrameShape(canvas, whole, behind, look.outline);

  const Rect front{r.left, back.top + Part(h, 0.2, 2), r.right, r.bottom};
  const Rect sheet{r.left + Part(w, 0.1), back.top + Part(h, 0.07), r.right - Part(w, 0.1),
                   front.top + 1};
  FillRect(canvas, sheet, kWhite);
  FrameRect(canvas, sheet, Rgb(170, 170, 170));

  Shader flap;
  switch (look.flap) {
    case FolderLook::Flap::kGradient:
      flap = VerticalGradient(front.top, front.bottom, look.light, look.dark);
      break;
    case FolderLook::Flap::kDithered:
      flap = [&look](int x, int y) { return (x + y) % 2 ? look.dark : look.light; };
      break;
    case FolderLook::Flap::kStriped:
      flap = [&look, &front](int, int y) {
        return (y - front.top) / 2 % 2 ? look.dark : look.light;
      };
      break;
  }
  FillRoundRect(canvas, front, radius, flap);
  FrameRoundRect(canvas, front, radius, look.outline);
  // A light rim along the top of the flap.
  Line(canvas, front.left + radius + 1, front.top + 1, front.right - radius - 2, front.top + 1,
       Lighter(look.light, 0.6));
}

void DrawDisc(Canvas& canvas, const Rect& r, DiscKind kind) {
  const int w = r.Width();
  Shader surface;
  Colorref outline = Rgb(110, 110, 120);
  switch (kind) {
    case DiscKind::kCompact:
      surface = [r](int x, int y) {
        const double a = AngleAround(r, x, y);
        const Colorref sheen = Mix(Rgb(206, 210, 218), Hue(a * 2 + 40, 0.55), 0.4);
        return Mix(sheen, kWhite, 0.35 * (0.5 + 0.5 * std::cos(a * std::numbers::pi / 90)));
      };
      break;
    case DiscKind::kRainbow:
      surface = [r](int x, int y) { return Hue(AngleAround(r, x, y) + 90, 0.85); };
      outline = Rgb(70, 70, 90);
      break;
    case DiscKind::kDark:
      surface = [r](int x, int y) {
        const double a = (AngleAround(r, x, y) - 45) * std::numbers::pi / 180;
        return Mix(Rgb(24, 26, 38), Rgb(130, 136, 168), std::pow(std::fabs(std::cos(a)), 8));
      };
      outline = Rgb(8, 8, 16);
      break;
  }
  FillEllipse(canvas, r, surface);
  FrameEllipse(canvas, r, outline);
  // The clear ring around the hole, then the hole itself.
  const int ring = Part(w, 0.36) / 2 * 2 + w % 2, hole = Part(w, 0.16) / 2 * 2 + w % 2;
  const Rect ring_rect = Centered(r, ring, ring);
  FillEllipse(canvas, ring_rect, [&](int x, int y) {
    return Mix(canvas.picture.Pixel(x, y), Rgb(236, 238, 242), 0.75);
  });
  FrameEllipse(canvas, ring_rect, Mix(outline, kWhite, 0.3));
  const Rect hole_rect = Centered(r, hole, hole);
  // On a small disc the hole is too small for a rim of its own.
  if (w >= 40) FrameEllipse(canvas, Centered(r, hole + 2, hole + 2), outline);
  EraseEllipse(canvas, hole_rect);
}

void DrawAppWindow(Canvas& canvas, const Rect& r, bool table_grid) {
  const int h = r.Height();
  FillRect(canvas, r, Rgb(200, 200, 200));
  Bevel(canvas, r, 1, kWhite, Rgb(80, 80, 80));
  const int bar = Part(h, 0.17, 4);
  const Rect title{r.left + 2, r.top + 2, r.right - 2, r.top + 2 + bar};
  FillRect(canvas, title,
           HorizontalGradient(title.left, title.right, Rgb(10, 36, 120), Rgb(110, 160, 236)));
  // Title-bar buttons: squares of the bar's height less its edges.
  const int button = bar - 2;
  for (int i = 0; i < 3; ++i) {
    const int right = title.right - 1 - i * (button + 1);
    const Rect b{right - button, title.top + 1, right, title.bottom - 1};
    FillRect(canvas, b, Rgb(210, 210, 210));
    if (button >= 4) Bevel(canvas, b, 1, kWhite, Rgb(90, 90, 90));
  }
  const Rect client{r.left + 2, title.bottom + 1, r.right - 2, r.bottom - 2};
  FillRect(canvas, client, kWhite);
  FrameRect(canvas, client, Rgb(128, 128, 128));
  const Rect inside = Inset(client, 1);
  if (table_grid) {
    const int rows = std::max(3, inside.Height() / 5), columns = 3;
    const int header = inside.top + inside.Height() / rows;
    FillRect(canvas, Rect{inside.left, inside.top, inside.right, header}, Rgb(200, 220, 246));
    for (int i = 1; i < rows; ++i) {
      const int y = inside.top + i * inside.Height() / rows;
      Line(canvas, inside.left, y, inside.right - 1, y, Rgb(150, 162, 186));
    }
    for (int i = 1; i < columns; ++i) {
      const int x = inside.left + i * inside.Width() / columns;
      Line(canvas, x, inside.top, x, inside.bottom - 1, Rgb(150, 162, 186));
    }
  } else {
    // A few lines of text in the document.
    const int step = std::max(3, inside.Height() / 5);
    for (int y = inside.top + 2, i = 0; y < inside.bottom - 1; y += step, ++i) {
      const int right = inside.right - 2 - (i % 3) * inside.Width() / 5;
      Line(canvas, inside.left + 2, y, right, y, Rgb(150, 150, 160));
    }
  }
}

void DrawDesktopComputer(Canvas& canvas, const Rect& r) {
  const int w = r.Width(), h = r.Height();
  const Rect monitor{r.left + Part(w, 0.12), r.top, r.right - Part(w, 0.12), r.top + Part(h, 0.64)};
  FillRoundRect(canvas, monitor, Part(w, 0.06),
                VerticalGradient(monitor.top, monitor.bottom, kBeige, kBeigeShade));
  FrameRoundRect(canvas, monitor, Part(w, 0.06), kCaseOutline);
  const Rect screen = Inset(monitor, Part(w, 0.09, 2));
  FillRect(canvas, screen,
           VerticalGradient(screen.top, screen.bottom, Rgb(70, 150, 220), Rgb(16, 56, 140)));
  FrameRect(canvas, screen, Rgb(40, 44, 56));
  // A glint across the glass.
  Line(canvas, screen.left + 2, screen.top + Part(screen.Height(), 0.5),
       screen.left + Part(screen.Width(), 0.45), screen.top + 2, Rgb(150, 200, 245));

  const int neck_w = Part(w, 0.22);
  const Rect neck{r.left + (w - neck_w) / 2, monitor.bottom, r.left + (w + neck_w) / 2,
                  monitor.bottom + Part(h, 0.08)};
  FillRect(canvas, neck, kBeigeShade);
  FrameRect(canvas, neck, kCaseOutline);
  const Rect box{r.left, neck.bottom - 1, r.right, r.bottom};
  FillRect(canvas, box, VerticalGradient(box.top, box.bottom, kBeige, kBeigeShade));
  FrameRect(canvas, box, kCaseOutline);
  const int slot_y = box.top + box.Height() / 2;
  Line(canvas, box.left + Part(w, 0.45), slot_y, box.right - Part(w, 0.1), slot_y, Rgb(80, 76, 66));
  FillRect(
      canvas,
      Rect{box.left + Part(w, 0.1), slot_y, box.left + Part(w, 0.1) + Part(w, 0.07), slot_y + 1},
      Rgb(40, 200, 60));
}

void DrawAllInOneComputer(Canvas& canvas, const Rect& r) {
  const int w = r.Width(), h = r.Height();
  const Rect body{r.left + Part(w, 0.12), r.top, r.right - Part(w, 0.12), r.bottom - Part(h, 0.08)};
  const Rect foot{r.left + Part(w, 0.06), body.bottom - 1, r.right - Part(w, 0.06), r.bottom};
  FillRect(canvas, foot, kBeigeShade);
  FrameRect(canvas, foot, kCaseOutline);
  FillRoundRect(canvas, body, Part(w, 0.05),
                HorizontalGradient(body.left, body.right, kBeige, kBeigeShade));
  FrameRoundRect(canvas, body, Part(w, 0.05), kCaseOutline);
  const int bw = body.Width();
  const Rect bezel{body.left + Part(bw, 0.14), body.top + Part(h, 0.09),
                   body.right - Part(bw, 0.14), body.top + Part(h, 0.55)};
  FillRect(canvas, bezel, Rgb(150, 146, 130));
  const Rect screen = Inset(bezel, 1);
  FillRect(canvas, screen, [screen](int x, int y) {
    const double dx = (x + 0.5 - (screen.left + screen.right) / 2.0) / screen.Width();
    const double dy = (y + 0.5 - (screen.top + screen.bottom) / 2.0) / screen.Height();
    return Mix(Rgb(150, 200, 170), Rgb(40, 70, 60),
               std::min(1.0, 2.2 * std::sqrt(dx * dx + dy * dy)));
  });
  // The floppy slot below the screen and a little badge.
  const int slot_y = bezel.bottom + Part(h, 0.14);
  Line(canvas, body.left + Part(bw, 0.5), slot_y, body.right - Part(bw, 0.16), slot_y,
       Rgb(60, 56, 48));
  FillRect(canvas,
           Rect{body.left + Part(bw, 0.16), slot_y - 1, body.left + Part(bw, 0.16) + Part(bw, 0.1),
                slot_y + 1},
           Rgb(70, 120, 200));
}

void DrawPage(Canvas& canvas, const Rect& r, bool filled) {
  const int fold = Part(r.Width(), 0.3, 3);
  const int fold_left = r.right - 1 - fold;
  // The sheet less its top-right corner, which is folded over.
  auto sheet = [&](int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom && x - fold_left <= y - r.top;
  };
  auto flap = [&](int x, int y) {
    return x >= fold_left && x < r.right && y >= r.top && y <= r.top + fold &&
           x - fold_left <= y - r.top;
  };
  if (filled)
    FillShape(canvas, r, sheet, VerticalGradient(r.top, r.bottom, kWhite, Rgb(236, 238, 242)));
  FrameShape(canvas, r, sheet, Rgb(96, 100, 110));
  if (filled) FillShape(canvas, r, flap, Solid(Rgb(214, 216, 222)));
  FrameShape(canvas, r, flap, Rgb(96, 100, 110));
}

}  // namespace zorna
