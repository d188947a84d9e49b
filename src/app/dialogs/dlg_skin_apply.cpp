// Dressing the main window's container in the selected skin: the four tool panels, the fifteen
// buttons, the strip and the column's bottom edge, then the sizes.
#include <QGuiApplication>
#include <QScreen>

#include "app/dialogs/dlg_skin.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/handler_guard.h"
#include "app/platform/qt_bitmap.h"
#include "app/widgets/glyph_icon.h"
#include "picture/picture_file.h"
#include "support/error.h"

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

// A panel takes the colour of its picture's bottom-left pixel where the picture does not reach.
void TakeColourOf(QWidget* panel, const Bitmap& picture) {
  if (picture.Empty()) return;
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, ToQColor(picture.Pixel(0, picture.Height() - 1)));
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
}

QSize ScreenSize(TMainZorna& main) {
  const Bitmap& screen = PartsOf(main).bitmapa->Picture();
  if (!screen.Empty()) return {screen.Width(), screen.Height()};
  if (const QScreen* s = QGuiApplication::primaryScreen()) return s->size();
  return {1024, 768};
}

}  // namespace

Bitmap TDlgSkin::LoadSkinPicture(const std::string& relative) const {
  return ReadPictureFile(FindSkinFile(skin_, relative));
}

void TDlgSkin::ListBoxClick(QObject*) {
  try {
    ApplySelectedSkin();
  } catch (const Error& e) {
    ShowErrorOf(e);
  }
}

void TDlgSkin::ApplySelectedSkin() {
  if (ListBox->currentRow() < 0) return;
  skin_ = SelectedSkinFolder();
  layout_ = ReadSkinLayout(FindSkinFile(skin_, skin_file::kRozmiestnenie));
  const QSize screen = ScreenSize(main_);
  layout_.strip_width = std::clamp(layout_.strip_width, 0,
                                   std::max(0, screen.width() - kScreenMargin - kWidestColumn));
  for (const char* x : kSkinPanels) NastavPanelSkinu(x);
  for (const char* b : kSkinButtons) NastavTlacidloSkinu(b);
  PartsOf(main_).ImageOkno->SetPicture(LoadSkinPicture(skin_file::kOkno));
  TakeColourOf(PartsOf(main_).Panel6, PartsOf(main_).ImageOkno->Picture());
  PartsOf(main_).ImageSkinVyrobil->SetPicture(LoadSkinPicture(skin_file::kSkinVyrobil));
  SetHeight(PartsOf(main_).ImageSkinVyrobil, PartsOf(main_).ImageSkinVyrobil->Picture().Height());
  PartsOf(main_).ImageSpodok->SetPicture(LoadSkinPicture(skin_file::kSpodok));
  PartsOf(main_).ImageSpodok_End->SetPicture(LoadSkinPicture(skin_file::kSpodokEnd));
  // Never narrower than its widest button: the skin button must stay within reach.
  int widest = 0;
  for (const char* b : kSkinButtons) {
    if (IsStripButton(b)) widest = std::max(widest, main_.Control(QString("Btn") + b)->width());
  }
  SetWidth(PartsOf(main_).Panel6, std::max(layout_.strip_width, widest));
  PartsOf(main_).Panel1->SetAlign(PartsOf(main_).Panel6,
                                  layout_.strip_right ? Align::Right : Align::Left);
  PartsOf(main_).Panel1->SetAlign(PartsOf(main_).PanelOkna,
                                  layout_.strip_right ? Align::Left : Align::Right);
  main_.NastavVelkosti();
  main_.ImageVstupMinClick(nullptr);
}

void TDlgSkin::NastavPanelSkinu(const QString& x) {
  const std::string word = x.toStdString();
  ToolPanel& p = PartsOf(main_).Panel(x);
  p.hlavicka_image->SetPicture(LoadSkinPicture(SkinPanelFile(word, skin_file::kHlavicka)));
  const bool collapsed = p.panel->height() == p.hlavicka->height();
  SetHeight(p.hlavicka, p.hlavicka_image->Picture().Height());
  if (collapsed) SetHeight(p.panel, p.hlavicka->height());
  p.right->SetPicture(LoadSkinPicture(SkinPanelFile(word, skin_file::kHlavickaEnd)));
  p.min->SetPicture(LoadSkinPicture(SkinPanelFile(word, skin_file::kHlavickaMin)));
  p.okno_image->SetPicture(LoadSkinPicture(SkinPanelFile(word, skin_file::kPanelOkno)));
  TakeColourOf(p.okno, p.okno_image->Picture());
}

void TDlgSkin::NastavTlacidloSkinu(const QString& b) {
  const std::string name = b.toStdString();
  auto* button = qobject_cast<QToolButton*>(main_.Control("Btn" + b));
  if (!button) return;
  const std::filesystem::path file = FindSkinFile(skin_, SkinGlyphFile(name));
  std::error_code ec;
  const Bitmap glyph = std::filesystem::exists(file, ec) ? ReadPictureFile(file) : Bitmap();
  const int cells = HasTwoGlyphCells(name) ? 2 : 1;
  const int width = glyph.Width() / cells + 4;
  const int height = glyph.Height() + 4;
  button->setIcon(GlyphIcon(glyph, cells));
  button->setIconSize(QSize(glyph.Width() / cells, glyph.Height()));
  button->setStyleSheet(kSkinButtonStyle);
  const SkinLayout::Position at = layout_.ButtonPosition(name);
  const bool strip = IsStripButton(name);
  const int room_width = strip ? layout_.strip_width : kNarrowestColumn;
  const int room_height = strip ? ScreenSize(main_).height() - kScreenMargin : kTallestBody;
  button->setGeometry(KeepInside(at.x, width, room_width), KeepInside(at.y, height, room_height),
                      width, height);
}

}  // namespace zorna::app
