// Our skins' pictures: caption bars with their ends, panel bodies, the strip with the hollows of
// its buttons, the author's mark and the column's bottom edge.
#include "artwork/skin_art.h"

#include <algorithm>
#include <cmath>

#include "artwork/caption_font.h"
#include "artwork/skin_glyphs.h"
#include "picture/picture_file.h"
#include "support/files.h"
#include "text/cp1250.h"

namespace zorna {
namespace {

constexpr int kCaptionWidth = 400;      // wider than the widest column
constexpr int kBodyPictureHeight = 44;  // the rest of a body takes the picture's last colour
constexpr int kBottomHeight = 7;
constexpr int kBarEndWidth = 16;
constexpr int kButtonCell = 24;  // a 20-pixel glyph and its 4-pixel frame
constexpr int kMarkHeight = 42;

struct PanelTitle {
  const char* panel;
  const char* title;
  const char* english;
};
constexpr PanelTitle kTitles[] = {{"Vstup", "Vstup", "Input"},
                                  {"Vystup", "Výsledok", "Result"},
                                  {"Lupa", "Lupa", "Zoom"},
                                  {"Podklad", "Podklad", "Background"}};

Bitmap VerticalFade(int width, int height, Colorref from, Colorref to) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    const double t = height <= 1 ? 1.0 : static_cast<double>(y) / (height - 1);
    const Colorref c = Mix(from, to, t * t * (3 - 2 * t));
    std::fill(b.Row(y), b.Row(y) + width, c);
  }
  return b;
}

void FillRow(Bitmap& b, int y, Colorref c) {
  if (y >= 0 && y < b.Height()) std::fill(b.Row(y), b.Row(y) + b.Width(), c);
}

// The caption bars and the column's bottom edge: the caption's gradient between a light top row
// and a dark bottom row.
Bitmap BarBackground(const SkinPalette& p, int width, int height) {
  Bitmap b = VerticalFade(width, height, p.caption_top, p.caption_bottom);
  FillRow(b, 0, p.caption_light);
  FillRow(b, height - 1, p.caption_dark);
  return b;
}

Bitmap CaptionBackground(const SkinDesign& d, int width) {
  return BarBackground(d.colours, width, d.caption_height);
}

Bitmap Caption(const SkinDesign& d, const char* panel, const char* title) {
  const SkinPalette& p = d.colours;
  Bitmap b = CaptionBackground(d, kCaptionWidth);
  const int emblem = d.caption_height >= 22 ? 13 : 11;
  DrawPanelEmblem(panel, emblem, p).DrawOnto(b, 6, (d.caption_height - emblem) / 2);
  const int text_top = (d.caption_height - kCaptionCapHeight) / 2;
  const int text_left = 6 + emblem + 6;
  DrawCaptionText(b, text_left, text_top + 1, title, p.caption_text_shadow);
  DrawCaptionText(b, text_left, text_top, title, p.caption_text);
  return b;
}

// The bar's end: a small arrow saying the panel folds; hovered, it becomes a raised button.
Bitmap BarEnd(const SkinDesign& d, bool hovered) {
  const SkinPalette& p = d.colours;
  Bitmap b = CaptionBackground(d, kBarEndWidth);
  const double mid = d.caption_height / 2.0;
  SmoothCanvas c(kBarEndWidth, d.caption_height);
  if (hovered) {
    c.Fill(Box(1.5, mid - 6.5, 14.5, mid + 6.5, 2.5), Mix(p.caption_light, kWhite, 0.35));
    c.Fill(Box(2.5, mid - 5.5, 13.5, mid + 5.5, 2), Mix(p.caption_top, p.caption_light, 0.6));
    c.Fill(Box(4.5, mid - 0.9, 11.5, mid + 0.9, 0.6), p.caption_text);
  } else {
    c.Fill(Polygon({{4.5, mid - 1.8}, {11.5, mid - 1.8}, {8, mid + 2.2}}),
           Mix(p.caption_text, p.caption_bottom, 0.25));
  }
  c.DrawOnto(b, 0, 0);
  return b;
}

Bitmap Body(const SkinDesign& d) {
  const SkinPalette& p = d.colours;
  Bitmap b = VerticalFade(kCaptionWidth, kBodyPictureHeight, p.body_top, p.body);
  FillRow(b, 0, Mix(p.body_top, p.caption_dark, 0.18));  // the caption's shadow
  return b;
}

// The strip's buttons in two columns, four rows: window, place, output, pictures.
SkinLayout Layout(const SkinDesign& d) {
  SkinLayout layout;
  layout.strip_width = d.strip_width;
  layout.strip_right = d.strip_right;
  const int gap = 4;
  const int left = (d.strip_width - 2 * kButtonCell - gap) / 2;
  const char* rows[4][3] = {{"Minimize", "Close", nullptr},
                            {"Info", "Right", "Left"},
                            {"Copy", "Save", nullptr},
                            {"Gallery", "Theme", nullptr}};
  for (int row = 0; row < 4; ++row) {
    const int y = 6 + row * (kButtonCell + gap);
    layout.SetButtonPosition(rows[row][0], {left, y});
    layout.SetButtonPosition(rows[row][1], {left + kButtonCell + gap, y});
    if (rows[row][2]) layout.SetButtonPosition(rows[row][2], {left + kButtonCell + gap, y});
  }
  // On the panel bodies: below the size lists, as the panels lay their own controls out.
  layout.SetButtonPosition("Zamknute", {4, 32});
  layout.SetButtonPosition("Odomknute", {4, 32});
  const char* turns[4] = {"OtocDolava", "OtocDoprava", "PreklopVodorovne", "PreklopZvislo"};
  for (int i = 0; i < 4; ++i) layout.SetButtonPosition(turns[i], {4 + i * 20, 32});
  return layout;
}

Bitmap Strip(const SkinDesign& d, const SkinLayout& layout) {
  const SkinPalette& p = d.colours;
  int bottom = 0;
  for (const SkinLayout::Position& pos : layout.buttons) bottom = std::max(bottom, pos.y);
  const int height = bottom + kButtonCell + 14;
  Bitmap b = VerticalFade(d.strip_width, height, p.strip_top, p.strip);
  SmoothCanvas wells(d.strip_width, height);
  for (const char* button : kSkinButtons) {
    if (!IsStripButton(button)) continue;
    const SkinLayout::Position pos = layout.ButtonPosition(button);
    wells.Fill(
        Box(pos.x - 0.5, pos.y - 0.5, pos.x + kButtonCell + 0.5, pos.y + kButtonCell + 0.5, 5),
        Mix(p.well, p.strip, 0.35));
    wells.Fill(
        Box(pos.x + 0.5, pos.y + 0.5, pos.x + kButtonCell - 0.5, pos.y + kButtonCell - 0.5, 4),
        p.well);
  }
  wells.DrawOnto(b, 0, 0);
  FillRow(b, height - 1, p.strip);  // the colour the strip goes on in
  return b;
}

// The author's mark at the foot of the strip: a drop over waves, and the program's name.
Bitmap Mark(const SkinDesign& d) {
  const SkinPalette& p = d.colours;
  Bitmap b(d.strip_width, kMarkHeight, p.strip);
  const double mid = d.strip_width / 2.0;
  SmoothCanvas c(d.strip_width, kMarkHeight);
  c.Fill(Union(Disc({mid, 12.5}, 5), Polygon({{mid - 4.4, 10.2}, {mid + 4.4, 10.2}, {mid, 2}})),
         p.ink_fill);
  c.Fill(Disc({mid - 1.8, 12.2}, 1.3), Mix(p.ink_fill, kWhite, 0.6));
  for (int i = 0; i < 2; ++i) {
    std::vector<Point> wave;
    for (double x = mid - 13; x <= mid + 13; x += 0.5) {
      wave.push_back({x, 21.5 + i * 3.2 + 1.1 * std::sin((x - mid) * 0.75)});
    }
    c.Fill(Strokes(wave, 0.6), Mix(p.ink, p.strip, 0.35 + 0.25 * i));
  }
  c.DrawOnto(b, 0, 0);
  const char* name = "Zorna";
  DrawCaptionText(b, (d.strip_width - CaptionTextWidth(name)) / 2, 28, name, p.ink);
  return b;
}

Bitmap Bottom(const SkinDesign& d, int width, bool grip) {
  const SkinPalette& p = d.colours;
  Bitmap b = BarBackground(p, width, kBottomHeight);
  if (grip) {
    for (int i = 0; i < 3; ++i) b.SetPixel(4 + i * 3, kBottomHeight / 2, p.caption_text);
  }
  return b;
}

}  // namespace

DrawnSkin DrawSkin(const SkinDesign& d) {
  DrawnSkin skin;
  skin.layout = Layout(d);
  auto add = [&](std::string path, Bitmap picture) {
    skin.pictures.emplace_back(std::move(path), std::move(picture));
  };
  add(skin_file::kOkno, Strip(d, skin.layout));
  add(skin_file::kSkinVyrobil, Mark(d));
  add(skin_file::kSpodok, Bottom(d, kCaptionWidth, false));
  add(skin_file::kSpodokEnd, Bottom(d, kBarEndWidth, true));
  for (const PanelTitle& t : kTitles) {
    add(SkinPanelFile(t.panel, skin_file::kHlavicka), Caption(d, t.panel, t.title));
    add(SkinPanelFile(t.panel, skin_file::kHlavickaEnglish), Caption(d, t.panel, t.english));
    add(SkinPanelFile(t.panel, skin_file::kHlavickaEnd), BarEnd(d, false));
    add(SkinPanelFile(t.panel, skin_file::kHlavickaMin), BarEnd(d, true));
    add(SkinPanelFile(t.panel, skin_file::kPanelOkno), Body(d));
  }
  for (const char* button : kSkinButtons) add(SkinGlyphFile(button), DrawSkinGlyph(button, d));
  return skin;
}

void WriteSkinFolder(const std::filesystem::path& folder, const DrawnSkin& skin,
                     std::string_view author_link) {
  namespace fs = std::filesystem;
  for (const auto& [path, picture] : skin.pictures) {
    const fs::path file = folder / fs::path(path);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    WriteBmpFile(file, picture);
  }
  WriteSkinLayout(folder / skin_file::kRozmiestnenie, skin.layout);
  WriteFileAtomically(folder / skin_file::kSkinVyrobilText,
                      Utf8ToCp1250(author_link) + std::string("\r\n"));
}

}  // namespace zorna
