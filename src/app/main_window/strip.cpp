// The button strip beside the column: minimise, close, about and help, moving the container
// between the screen's edges, copy and save, the gallery and the skin dialog.
#include <QApplication>
#include <QCoreApplication>
#include <QStyle>

#include "app/dialogs/dlg_skin.h"
#include "app/dialogs/o_programe.h"
#include "app/dialogs/save_result.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/plain_look.h"
#include "app/platform/links.h"
#include "app/platform/messages.h"
#include "app/widgets/tool_widgets.h"
#include "settings/skin_files.h"
#include "support/files.h"
#include "text/cp1250.h"

namespace zorna::app {
namespace {

// The desktop picture a strip button shows when no skin dresses it.
constexpr const char* kStandardIcon = "zornaStandardIcon";

}  // namespace

void TMainZorna::SetUpStrip() {
  d->Panel6 = new AlignPanel("Panel6");
  d->Panel6->resize(81, 200);
  d->ImageOkno = new ImageControl("ImageOkno");
  d->ImageOkno->SetPicture(PlainBodyPicture(81, 600));
  d->ImageSkinVyrobil = new ImageControl("ImageSkinVyrobil");
  d->ImageSkinVyrobil->resize(81, 0);
  d->Panel6->AddAligned(d->ImageSkinVyrobil, Align::Bottom);
  d->Panel6->AddAligned(d->ImageOkno, Align::Client);
  struct ButtonSpec {
    QToolButton** button;
    const char* name;
    const char* hint;
    QStyle::StandardPixmap icon;
    int column, row;
  };
  const ButtonSpec buttons[] = {
      {&d->BtnMinimize, "BtnMinimize", QT_TR_NOOP("Minimalizovať"), QStyle::SP_TitleBarMinButton, 0,
       0},
      {&d->BtnClose, "BtnClose", QT_TR_NOOP("Ukončiť program"), QStyle::SP_TitleBarCloseButton, 1,
       0},
      {&d->BtnInfo, "BtnInfo", QT_TR_NOOP("O programe"), QStyle::SP_MessageBoxInformation, 0, 1},
      {&d->BtnRight, "BtnRight", QT_TR_NOOP("Presunúť okno"), QStyle::SP_ArrowRight, 1, 1},
      {&d->BtnLeft, "BtnLeft", QT_TR_NOOP("Presunúť okno"), QStyle::SP_ArrowLeft, 1, 1},
      {&d->BtnCopy, "BtnCopy", QT_TR_NOOP("Kopírovať do schránky"),
       QStyle::SP_FileDialogContentsView, 0, 2},
      {&d->BtnSave, "BtnSave", QT_TR_NOOP("Uložiť do súboru"), QStyle::SP_DialogSaveButton, 1, 2},
      {&d->BtnGallery, "BtnGallery", QT_TR_NOOP("Obrázok z galérie"), QStyle::SP_DirOpenIcon, 0, 3},
      {&d->BtnTheme, "BtnTheme", QT_TR_NOOP("Zmeniť vzhľad"), QStyle::SP_DesktopIcon, 1, 3},
  };
  for (const ButtonSpec& s : buttons) {
    QToolButton* b = MakeToolButton(d->Panel6, s.name, tr(s.hint));
    b->setProperty(kStandardIcon, static_cast<int>(s.icon));  // given at the first show
    b->setIconSize(QSize(20, 20));
    b->setGeometry(6 + s.column * 36, 6 + s.row * 30, 32, 28);
    *s.button = b;
  }
  d->BtnLeft->hide();
  d->Panel1->AddAligned(d->Panel6, Align::Right);

  Wire(d->BtnMinimize, &QToolButton::clicked, "BtnMinimizeClick",
       [this] { BtnMinimizeClick(d->BtnMinimize); });
  Wire(d->BtnClose, &QToolButton::clicked, "Button4Click", [this] { Button4Click(d->BtnClose); });
  Wire(d->BtnInfo, &QToolButton::clicked, "BtnInfoClick", [this] { BtnInfoClick(d->BtnInfo); });
  Wire(d->BtnLeft, &QToolButton::clicked, "BtnLeftClick", [this] { BtnLeftClick(d->BtnLeft); });
  Wire(d->BtnRight, &QToolButton::clicked, "BtnRightClick", [this] { BtnRightClick(d->BtnRight); });
  Wire(d->BtnSave, &QToolButton::clicked, "BtnSaveClick", [this] { BtnSaveClick(d->BtnSave); });
  Wire(d->BtnCopy, &QToolButton::clicked, "BtnCopyClick", [this] { BtnCopyClick(d->BtnCopy); });
  Wire(d->BtnTheme, &QToolButton::clicked, "BtnThemeClick", [this] { BtnThemeClick(d->BtnTheme); });
  d->ImageSkinVyrobil->setCursor(Qt::PointingHandCursor);
  Wire(d->ImageSkinVyrobil, &ImageControl::Clicked, "ImageSkinVyrobilClick",
       [this](Qt::MouseButton) { ImageSkinVyrobilClick(d->ImageSkinVyrobil); });
  AddAction("Save", "Ctrl+S", "BtnSaveClick", [this] { BtnSaveClick(nullptr); });
  AddAction("CopyImage", "Ctrl+C", "BtnCopyClick", [this] { BtnCopyClick(nullptr); });
  AddAction("Information", "Ctrl+I", "BtnInfoClick", [this] { BtnInfoClick(nullptr); });
  AddAction("Help", "F1", "HELPClick", [this] { HELPClick(nullptr); });
  AddAction("Left", "Ctrl+Left", "BtnLeftClick", [this] { BtnLeftClick(nullptr); });
  AddAction("Right", "Ctrl+Right", "BtnRightClick", [this] { BtnRightClick(nullptr); });
  AddAction("Up", "Ctrl+Up");
  AddAction("Down", "Ctrl+Down");
}

// The desktop's own pictures are slow to look up, and the skin that start-up applies replaces
// them before anything is shown: only the buttons that no skin has dressed (a dressed button
// carries the skin's style sheet) get them, when the window is first shown.
void TMainZorna::GiveStandardIcons() {
  QStyle* style = QApplication::style();
  for (QToolButton* b : d->Panel6->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
    const QVariant icon = b->property(kStandardIcon);
    if (!icon.isValid()) continue;
    b->setProperty(kStandardIcon, QVariant());
    if (b->styleSheet().isEmpty()) {
      b->setIcon(style->standardIcon(static_cast<QStyle::StandardPixmap>(icon.toInt())));
    }
  }
}

int TMainZorna::StripHeightNeeded() const {
  int bottom = 0;
  for (const QToolButton* b : d->Panel6->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
    bottom = std::max(bottom, b->geometry().bottom() + 1);
  }
  return bottom + 6 + d->ImageSkinVyrobil->height();
}

void TMainZorna::BtnMinimizeClick(QObject*) {
  showMinimized();
}

void TMainZorna::Button4Click(QObject*) {
  close();
}

void TMainZorna::BtnLeftClick(QObject*) {
  d->state.docked_right = false;
  d->Panel1->move(8, d->Panel1->y());
  d->BtnLeft->hide();
  d->BtnRight->show();
}

void TMainZorna::BtnRightClick(QObject*) {
  QCoreApplication::processEvents();
  d->state.docked_right = true;
  d->Panel1->move(width() - d->Panel1->width() - 8, d->Panel1->y());
  d->BtnLeft->show();
  d->BtnRight->hide();
}

void TMainZorna::BtnInfoClick(QObject*) {
  RunModal(OProgrameForm());
}

// The about box opens with the help page filling it.
void TMainZorna::HELPClick(QObject*) {
  TOPrograme* about = OProgrameForm();
  about->SpeedButton1Click(nullptr);
  RunModal(about);
}

void TMainZorna::BtnThemeClick(QObject*) {
  if (TDlgSkin* dialog = dialogs_.DlgSkin) RunModal(dialog);
}

// The first line of the selected skin's "Skin_Vyrobil.txt"; only a web or mail address opens.
void TMainZorna::ImageSkinVyrobilClick(QObject*) {
  const TDlgSkin* dialog = dialogs_.DlgSkin;
  if (!dialog || dialog->SelectedSkinFolder().empty()) return;
  // A line is all that is read, however large the file.
  const std::vector<uint8_t> start =
      ReadFileStart(FindSkinFile(dialog->SelectedSkinFolder(), skin_file::kSkinVyrobilText), 4096);
  const std::string text(start.begin(), start.end());
  const std::string line = text.substr(0, text.find_first_of("\r\n"));
  OpenLink(QString::fromStdString(Cp1250ToUtf8(line)));
}

// The buttons are enabled by the first committed result, but the Ctrl+S and Ctrl+C shortcuts
// never wait for it: they work on whatever the result picture holds.
void TMainZorna::BtnSaveClick(QObject*) {
  if (!dialogs_.Saving) return;
  dialogs_.Saving->BtnSaveClick(d->Image2->Picture());
}

void TMainZorna::BtnCopyClick(QObject*) {
  CopyResultToClipboard(d->Image2->Picture());
}

}  // namespace zorna::app
