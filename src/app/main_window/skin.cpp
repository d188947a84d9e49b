// The container dressed in a skin: the four tool panels, the fifteen buttons, the strip and the
// column's bottom edge, then the sizes. At start-up the stored skin comes first, then the
// panels' stored heights, which default to the skin's caption bars.
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/settings_access.h"
#include "app/platform/interface_language_qt.h"
#include "app/platform/qt_bitmap.h"
#include "app/widgets/glyph_icon.h"
#include "picture/picture_file.h"
#include "settings/settings.h"
#include "settings/skin_files.h"
#include "settings/skin_layout.h"

namespace zorna::app {
namespace {

// How far a skin's layout may place things. The strip and the column must both fit the screen
// beside each other at the column's widest (a 128 x 128 result: 223); a strip button stays
// within the strip and the screen's height; a body button within the narrowest column (170)
// and the tallest body (a 128 x 128 result: 146).
constexpr int kWidestColumn = 223;
constexpr int kNarrowestColumn = 170;
constexpr int kTallestBody = 146;
constexpr int kScreenMargin = 16;  // the container keeps 8 pixels from the screen's edges

// Skinned buttons are their glyph and a thin frame: nothing of the desktop's button face
// covers the skin's own picture.
constexpr const char* kSkinButtonStyle =
    "QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 0;"
    " background: transparent; }"
    "QToolButton:hover { border-color: rgba(0, 0, 0, 70); background: rgba(255, 255, 255, 60); }"
    "QToolButton:pressed { border-color: rgba(0, 0, 0, 110); background: rgba(0, 0, 0, 40); }";

// The skin being applied: its folder and its layout, the strip's width already kept within
// the screen.
struct AppliedSkin {
  std::filesystem::path folder;
  SkinLayout layout;
  QSize screen;

  Bitmap Picture(const std::string& relative) const {
    return ReadPictureFile(FindSkinFile(folder, relative));
  }
};

// A panel takes the colour of its picture's bottom-left pixel where the picture does not reach.
void TakeColourOf(QWidget* panel, const Bitmap& picture) {
  if (picture.Empty()) return;
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, ToQColor(picture.Pixel(0, picture.Height() - 1)));
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
}

QSize ScreenSize(const Bitmap& screen) {
  if (!screen.Empty()) return {screen.Width(), screen.Height()};
  if (const QScreen* s = QGuiApplication::primaryScreen()) return s->size();
  return {1024, 768};
}

// One tool panel ("Vstup", ...) in the skin.
void NastavPanelSkinu(ToolPanel& p, const AppliedSkin& skin) {
  const std::string word = p.word.toStdString();
  // Our own skins carry an English caption too; a skin without one keeps its own words.
  const std::string english = SkinPanelFile(word, skin_file::kHlavickaEnglish);
  const bool in_english =
      SpeaksEnglish() && std::filesystem::exists(FindSkinFile(skin.folder, english));
  p.hlavicka_image->SetPicture(
      skin.Picture(in_english ? english : SkinPanelFile(word, skin_file::kHlavicka)));
  const bool collapsed = p.panel->height() == p.hlavicka->height();
  SetHeight(p.hlavicka, p.hlavicka_image->Picture().Height());
  if (collapsed) SetHeight(p.panel, p.hlavicka->height());
  p.right->SetPicture(skin.Picture(SkinPanelFile(word, skin_file::kHlavickaEnd)));
  p.min->SetPicture(skin.Picture(SkinPanelFile(word, skin_file::kHlavickaMin)));
  p.okno_image->SetPicture(skin.Picture(SkinPanelFile(word, skin_file::kPanelOkno)));
  TakeColourOf(p.okno, p.okno_image->Picture());
}

// One button ("Save" for BtnSave, ...) in the skin; a glyph the skin lacks leaves it bare.
void NastavTlacidloSkinu(QToolButton* button, const std::string& name, const AppliedSkin& skin) {
  const std::filesystem::path file = FindSkinFile(skin.folder, SkinGlyphFile(name));
  std::error_code ec;
  const Bitmap glyph = std::filesystem::exists(file, ec) ? ReadPictureFile(file) : Bitmap();
  const int cells = HasTwoGlyphCells(name) ? 2 : 1;
  const int width = glyph.Width() / cells + 4;
  const int height = glyph.Height() + 4;
  button->setIcon(GlyphIcon(glyph, cells));
  button->setIconSize(QSize(glyph.Width() / cells, glyph.Height()));
  button->setStyleSheet(kSkinButtonStyle);
  const SkinLayout::Position at = skin.layout.ButtonPosition(name);
  const bool strip = IsStripButton(name);
  const int room_width = strip ? skin.layout.strip_width : kNarrowestColumn;
  const int room_height = strip ? skin.screen.height() - kScreenMargin : kTallestBody;
  button->setGeometry(KeepInside(at.x, width, room_width), KeepInside(at.y, height, room_height),
                      width, height);
}

}  // namespace

void TMainZorna::DressInSkin(const std::filesystem::path& folder) {
  AppliedSkin skin{folder, ReadSkinLayout(FindSkinFile(folder, skin_file::kRozmiestnenie)),
                   ScreenSize(d->bitmapa->Picture())};
  skin.layout.strip_width = std::clamp(
      skin.layout.strip_width, 0, std::max(0, skin.screen.width() - kScreenMargin - kWidestColumn));
  for (const char* x : kSkinPanels) NastavPanelSkinu(d->Panel(x), skin);
  for (const char* b : kSkinButtons) {
    if (auto* button = qobject_cast<QToolButton*>(Control(QString("Btn") + b))) {
      NastavTlacidloSkinu(button, b, skin);
    }
  }
  d->ImageOkno->SetPicture(skin.Picture(skin_file::kOkno));
  TakeColourOf(d->Panel6, d->ImageOkno->Picture());
  d->ImageSkinVyrobil->SetPicture(skin.Picture(skin_file::kSkinVyrobil));
  SetHeight(d->ImageSkinVyrobil, d->ImageSkinVyrobil->Picture().Height());
  d->ImageSpodok->SetPicture(skin.Picture(skin_file::kSpodok));
  d->ImageSpodok_End->SetPicture(skin.Picture(skin_file::kSpodokEnd));
  // Never narrower than its widest button: the skin button must stay within reach.
  int widest = 0;
  for (const char* b : kSkinButtons) {
    if (IsStripButton(b)) widest = std::max(widest, Control(QString("Btn") + b)->width());
  }
  SetWidth(d->Panel6, std::max(skin.layout.strip_width, widest));
  d->Panel1->SetAlign(d->Panel6, skin.layout.strip_right ? Align::Right : Align::Left);
  d->Panel1->SetAlign(d->PanelOkna, skin.layout.strip_right ? Align::Left : Align::Right);
  NastavVelkosti();
  ImageVstupMinClick(nullptr);
}

void TMainZorna::RestorePanels() {
  using namespace settings;
  const IniFile ini = OpenSettings();
  SetHeight(d->Panel("Vstup").panel,
            ini.ReadInteger(kOknoVstup.section, kOknoVstup.key, kDefaultPanelHeight));
  SetHeight(d->Panel("Lupa").panel,
            ini.ReadInteger(kOknoLupa.section, kOknoLupa.key, d->Panel("Lupa").hlavicka->height()));
  SetHeight(d->Panel("Podklad").panel, ini.ReadInteger(kOknoPodklad.section, kOknoPodklad.key,
                                                       d->Panel("Podklad").hlavicka->height()));
  SetHeight(d->Panel("Vystup").panel,
            ini.ReadInteger(kOknoVystup.section, kOknoVystup.key, kDefaultPanelHeight));
  NastavVelkosti();
  ImageVstupMinClick(nullptr);
  if (ini.ReadBool(kPanelVPravo.section, kPanelVPravo.key, kDefaultPanelVPravo)) {
    d->state.docked_right = true;
    d->BtnLeft->show();
  }
}

}  // namespace zorna::app
