// The button strip beside the column: minimise, close, about and help, moving the container
// between the screen's edges, copy and save, the gallery and the skin dialog.
#include <QApplication>
#include <QCoreApplication>
#include <QStyle>

#include "app/dialogs/dlg_skin.h"
#include "app/dialogs/o_programe.h"
#include "app/dialogs/save_result.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/plain_look.h"
#include "app/platform/links.h"
#include "app/platform/messages.h"
#include "app/widgets/tool_widgets.h"
#include "settings/skin_files.h"
#include "support/files.h"
#include "text/cp1250.h"

namespace zorna::app {

void TMainZorna::SetUpStrip() {
  Panel6 = new AlignPanel("Panel6");
  Panel6->resize(81, 200);
  ImageOkno = new ImageControl("ImageOkno");
  ImageOkno->SetPicture(PlainBodyPicture(81, 600));
  ImageSkinVyrobil = new ImageControl("ImageSkinVyrobil");
  ImageSkinVyrobil->resize(81, 0);
  Panel6->AddAligned(ImageSkinVyrobil, Align::Bottom);
  Panel6->AddAligned(ImageOkno, Align::Client);
  QStyle* style = QApplication::style();
  struct ButtonSpec {
    QToolButton** button;
    const char* name;
    const char* hint;
    QStyle::StandardPixmap icon;
    int column, row;
  };
  const ButtonSpec buttons[] = {
      {&BtnMinimize, "BtnMinimize", "Minimalizovať", QStyle::SP_TitleBarMinButton, 0, 0},
      {&BtnClose, "BtnClose", "Ukončiť program", QStyle::SP_TitleBarCloseButton, 1, 0},
      {&BtnInfo, "BtnInfo", "O programe", QStyle::SP_MessageBoxInformation, 0, 1},
      {&BtnRight, "BtnRight", "Presunúť okno", QStyle::SP_ArrowRight, 1, 1},
      {&BtnLeft, "BtnLeft", "Presunúť okno", QStyle::SP_ArrowLeft, 1, 1},
      {&BtnCopy, "BtnCopy", "Kopírovať do schránky", QStyle::SP_FileDialogContentsView, 0, 2},
      {&BtnSave, "BtnSave", "Uložiť do súboru", QStyle::SP_DialogSaveButton, 1, 2},
      {&BtnGallery, "BtnGallery", "Obrázok z galérie", QStyle::SP_DirOpenIcon, 0, 3},
      {&BtnTheme, "BtnTheme", "Zmeniť vzhľad", QStyle::SP_DesktopIcon, 1, 3},
  };
  for (const ButtonSpec& s : buttons) {
    QToolButton* b = MakeToolButton(Panel6, s.name, s.hint);
    b->setIcon(style->standardIcon(s.icon));
    b->setIconSize(QSize(20, 20));
    b->setGeometry(6 + s.column * 36, 6 + s.row * 30, 32, 28);
    *s.button = b;
  }
  BtnLeft->hide();
  Panel1->AddAligned(Panel6, Align::Right);

  connect(BtnMinimize, &QToolButton::clicked, this, [this] { BtnMinimizeClick(BtnMinimize); });
  connect(BtnClose, &QToolButton::clicked, this, [this] { Button4Click(BtnClose); });
  connect(BtnInfo, &QToolButton::clicked, this, [this] { BtnInfoClick(BtnInfo); });
  connect(BtnLeft, &QToolButton::clicked, this, [this] { BtnLeftClick(BtnLeft); });
  connect(BtnRight, &QToolButton::clicked, this, [this] { BtnRightClick(BtnRight); });
  connect(BtnSave, &QToolButton::clicked, this, [this] { BtnSaveClick(BtnSave); });
  connect(BtnCopy, &QToolButton::clicked, this, [this] { BtnCopyClick(BtnCopy); });
  connect(BtnTheme, &QToolButton::clicked, this, [this] { BtnThemeClick(BtnTheme); });
  ImageSkinVyrobil->setCursor(Qt::PointingHandCursor);
  connect(ImageSkinVyrobil, &ImageControl::Clicked, this,
          [this](Qt::MouseButton) { ImageSkinVyrobilClick(ImageSkinVyrobil); });
  AddAction("Save", "Ctrl+S", [this] { BtnSaveClick(nullptr); });
  AddAction("CopyImage", "Ctrl+C", [this] { BtnCopyClick(nullptr); });
  AddAction("Information", "Ctrl+I", [this] { BtnInfoClick(nullptr); });
  AddAction("Help", "F1", [this] { HELPClick(nullptr); });
  AddAction("Left", "Ctrl+Left", [this] { BtnLeftClick(nullptr); });
  AddAction("Right", "Ctrl+Right", [this] { BtnRightClick(nullptr); });
  AddAction("Up", "Ctrl+Up");
  AddAction("Down", "Ctrl+Down");
}

int TMainZorna::StripHeightNeeded() const {
  int bottom = 0;
  for (const QToolButton* b : Panel6->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
    bottom = std::max(bottom, b->geometry().bottom() + 1);
  }
  return bottom + 6 + ImageSkinVyrobil->height();
}

void TMainZorna::BtnMinimizeClick(QObject*) {
  showMinimized();
}

void TMainZorna::Button4Click(QObject*) {
  close();
}

void TMainZorna::BtnLeftClick(QObject*) {
  Panel1->move(8, Panel1->y());
  BtnLeft->hide();
  BtnRight->show();
}

void TMainZorna::BtnRightClick(QObject*) {
  QCoreApplication::processEvents();
  Panel1->move(width() - Panel1->width() - 8, Panel1->y());
  BtnLeft->show();
  BtnRight->hide();
}

void TMainZorna::BtnInfoClick(QObject*) {
  if (TOPrograme* about = OProgrameForm()) RunModal(about);
}

// The about box opens with the help page filling it.
void TMainZorna::HELPClick(QObject*) {
  TOPrograme* about = OProgrameForm();
  if (!about) return;
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
  dialogs_.Saving->BtnSaveClick(Image2->Picture());
}

void TMainZorna::BtnCopyClick(QObject*) {
  CopyResultToClipboard(Image2->Picture());
}

}  // namespace zorna::app
