// The floating container and its column of four collapsible tool panels: collapsing and
// expanding from the caption bars, the panel sizes, the caption timer, the progress of long jobs
// and the resize handler.
#include <QApplication>
#include <QWindow>
#include <algorithm>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/plain_look.h"
#include "app/platform/program_folder.h"
#include "app/widgets/tool_widgets.h"
#include "gallery/gallery_update.h"
#include "support/progress.h"
#include "text/text_helpers.h"

namespace zorna::app {
namespace {

constexpr int kBodyWidth = 400;  // wide enough for every column width

bool Collapsed(const ToolPanel& p) {
  return p.panel->height() == p.hlavicka->height();
}

}  // namespace

void TMainZorna::SetUpContainer() {
  d->Panel1 = new AlignPanel("Panel1", this);
  d->Panel1->setAutoFillBackground(true);
  QPalette silver = d->Panel1->palette();
  silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  d->Panel1->setPalette(silver);
  d->Panel1->setGeometry(8, 8, 300, 400);
  d->Timer2 = new QTimer(this);
  d->Timer2->setObjectName("Timer2");
  d->Timer2->setInterval(1000);
  connect(d->Timer2, &QTimer::timeout, this, &TMainZorna::Timer2Timer);
  AddAction("ESC", "Esc", "ESCExecute", [this] { ESCExecute(nullptr); });
}

// The column goes in after the strip, so that it takes the container's room left of it.
void TMainZorna::SetUpColumn() {
  d->PanelOkna = new AlignPanel("PanelOkna");
  d->PanelOkna->resize(170, 400);
  d->Panel1->AddAligned(d->PanelOkna, Align::Left);
  const QString words[4] = {"Vstup", "Lupa", "Podklad", "Vystup"};
  const QString captions[4] = {tr("Vstup"), tr("Lupa"), tr("Podklad"), tr("Výsledok")};
  for (int i = 0; i < 4; ++i) BuildToolPanel(d->panels[i], words[i], captions[i]);
  d->ImageSpodok_End = new ImageControl("ImageSpodok_End");
  d->ImageSpodok_End->resize(16, 0);
  d->ImageSpodok = new ImageControl("ImageSpodok");
  d->PanelOkna->AddAligned(d->ImageSpodok_End, Align::Right);
  d->PanelOkna->AddAligned(d->ImageSpodok, Align::Client);
}

void TMainZorna::BuildToolPanel(ToolPanel& p, const QString& word, const QString& caption) {
  p.word = word;
  p.panel = new AlignPanel("Panel" + word);
  p.hlavicka = new AlignPanel("Panel" + word + "Hlavicka");
  p.hlavicka->resize(kBodyWidth, kPlainCaptionHeight);
  p.hlavicka_image = new ImageControl("Image" + word + "Hlavicka");
  p.hlavicka_image->SetPicture(PlainCaptionPicture(caption, kBodyWidth));
  p.right = new ImageControl("Image" + word + "HlavickaRight");
  p.right->resize(16, kPlainCaptionHeight);
  p.right->SetPicture(PlainCaptionEndPicture());
  p.min = new ImageControl("Image" + word + "Min");
  p.min->resize(16, kPlainCaptionHeight);
  p.min->SetPicture(PlainCollapsePicture());
  p.min->hide();
  p.hlavicka->AddAligned(p.right, Align::Right);
  p.hlavicka->AddAligned(p.min, Align::Right);
  p.hlavicka->AddAligned(p.hlavicka_image, Align::Client);
  p.okno = new AlignPanel("Panel" + word + "Okno");
  p.okno_image = new ImageControl("Image" + word + "Okno");
  p.okno_image->SetPicture(PlainBodyPicture(kBodyWidth, 300));
  p.okno->AddAligned(p.okno_image, Align::Client);
  p.panel->AddAligned(p.hlavicka, Align::Top);
  p.panel->AddAligned(p.okno, Align::Client);
  p.panel->resize(kBodyWidth, 100);
  for (ImageControl* image : {p.hlavicka_image, p.right, p.min}) {
    Wire(image, &ImageControl::Clicked, "ImageVstupMinClick",
         [this, image](Qt::MouseButton) { ImageVstupMinClick(image); });
  }
  Wire(p.right, &ImageControl::MouseMoved, "ImageVstupHlavickaRightMouseMove",
       [this, image = p.right](int, int) { ImageVstupHlavickaRightMouseMove(image); });
  d->PanelOkna->AddAligned(p.panel, Align::Top);
}

void TMainZorna::ESCExecute(QObject*) {
  close();
}

void TMainZorna::ImageVstupHlavickaRightMouseMove(QObject* sender) {
  const QString name = sender ? sender->objectName() : QString();
  for (ToolPanel& p : d->panels) {
    if (name.contains(p.word)) {
      p.min->show();
      p.right->hide();
    }
  }
  d->Timer2->start();
}

void TMainZorna::Timer2Timer() {
  for (ToolPanel& p : d->panels) {
    p.right->show();
    p.min->hide();
  }
  d->Timer2->stop();
}

void TMainZorna::ImageVstupMinClick(QObject* sender) {
  if (sender) {
    QString word = sender->objectName();
    for (const char* part : {"Min", "Right", "Image", "Hlavicka"}) {
      word = QString::fromStdString(OdstranVsetky(part, word.toStdString()));
    }
    QWidget* panel = Control("Panel" + word);
    QWidget* bar = Control("Panel" + word + "Hlavicka");
    if (panel->height() == bar->height()) {
      SetHeight(panel, 100);
      NastavVelkosti();
    } else {
      if (word == "Vstup" && Collapsed(d->Panel("Lupa"))) ImageVstupMinClick(d->Panel("Lupa").min);
      if (word == "Lupa" && Collapsed(d->Panel("Vstup"))) ImageVstupMinClick(d->Panel("Vstup").min);
      SetHeight(panel, bar->height());
    }
  }
  const ToolPanel& vystup = d->Panel("Vystup");
  const int column =
      d->ImageSpodok->Picture().Height() + vystup.panel->y() + vystup.panel->height();
  // A short column (small output, panels collapsed) must not cut the strip's lowest buttons.
  SetHeight(d->Panel1, std::max(column, StripHeightNeeded()));
}

void TMainZorna::NastavVelkosti() {
  const int n = SizeOf(d->ComboBox1);
  ToolPanel& vstup = d->Panel("Vstup");
  ToolPanel& vystup = d->Panel("Vystup");
  ToolPanel& lupa = d->Panel("Lupa");
  ToolPanel& podklad = d->Panel("Podklad");
  if (!Collapsed(vstup)) SetHeight(vstup.panel, std::max(32, n) + vstup.hlavicka->height() + 18);
  if (!Collapsed(vystup)) SetHeight(vystup.panel, std::max(32, n) + vystup.hlavicka->height() + 18);
  // A small magnifier still leaves room for its size list below the caption bar.
  const int lupa_body = std::max(d->Image3->width() + 18, d->ComboBox4->geometry().bottom() + 5);
  if (!Collapsed(lupa)) SetHeight(lupa.panel, lupa.hlavicka->height() + lupa_body);
  if (!Collapsed(podklad))
    SetHeight(podklad.panel, podklad.hlavicka->height() + d->ComboBoxEx1->width() + 18);
  SetWidth(d->PanelOkna, std::max(75, std::max(d->Image3->width(), n)) + 95);
  SetWidth(d->Panel1, d->PanelOkna->width() + d->Panel6->width());
}

// Long jobs run inside an event handler and report after every block or step: the bar of the
// overlay that is showing shows it at once, and the window's events go through meanwhile.
void TMainZorna::ShowJobProgress(const Progress& progress) {
  for (auto [overlay, bar] :
       {std::pair{d->PanelTajneMenu, d->ProgressBar1}, std::pair{d->Working, d->ProgressBar2}}) {
    if (!overlay || overlay->isHidden()) continue;  // the maintenance panel may not be made yet
    bar->setMaximum(progress.maximum);
    bar->setValue(progress.position);
    bar->repaint();
  }
  QCoreApplication::processEvents();
}

void TMainZorna::FormResize() {
  if (!d->BtnLeft || !d->Panel1) return;  // resizes while the controls are being built
  if (d->state.docked_right) BtnRightClick(nullptr);
  if (d->Kniznica) DockLibrary();
  if (!GalleryUpdatePending(AdresarProgramu)) return;
  // The first resize comes before the window is on the screen: the update waits for its first
  // paint, so that the user sees its progress and not a blank screen.
  d->update_after_first_paint = windowHandle() != nullptr && !d->painted;
  if (!d->update_after_first_paint) ImportGalleryUpdate();
}

}  // namespace zorna::app
