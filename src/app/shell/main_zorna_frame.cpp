// The floating container: collapsing panels, the panel sizes, moving the container between the
// screen's edges, the two timers, minimising and closing.
#include <QApplication>
#include <algorithm>

#include "app/shell/main_zorna.h"
#include "support/progress.h"
#include "support/text_helpers.h"

namespace zorna::app {
namespace {

int LeadingNumber(const QComboBox* list) {
  return CisloNaZaciatku(list->currentText().toStdString());
}

bool Collapsed(const ToolPanel& p) {
  return p.panel->height() == p.hlavicka->height();
}

}  // namespace

void TMainZorna::ESCExecute(QObject*) {
  close();
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

void TMainZorna::BtnMinimizeClick(QObject*) {
  showMinimized();
}

void TMainZorna::BtnInfoClick(QObject*) {
  // The about box arrives with its own window; until then there is nothing to show.
}

void TMainZorna::HELPClick(QObject*) {}

void TMainZorna::BtnThemeClick(QObject*) {}

void TMainZorna::ImageVstupHlavickaRightMouseMove(QObject* sender) {
  const QString name = sender ? sender->objectName() : QString();
  for (ToolPanel& p : panels) {
    if (name.contains(p.word)) {
      p.min->show();
      p.right->hide();
    }
  }
  Timer2->start();
}

void TMainZorna::Timer2Timer() {
  for (ToolPanel& p : panels) {
    p.right->show();
    p.min->hide();
  }
  Timer2->stop();
}

void TMainZorna::ImageVstupMinClick(QObject* sender) {
  if (sender) {
    QString word = sender->objectName();
    for (const char* part : {"Min", "Right", "Image", "Hlavicka"}) {
      word = QString::fromStdString(OdstranVsetky(part, word.toStdString()));
    }
    auto* panel = qobject_cast<QWidget*>(Control("Panel" + word));
    auto* bar = qobject_cast<QWidget*>(Control("Panel" + word + "Hlavicka"));
    if (panel && bar) {
      if (panel->height() == bar->height()) {
        SetHeight(panel, 100);
        NastavVelkosti();
      } else {
        if (word == "Vstup" && Collapsed(Panel("Lupa"))) ImageVstupMinClick(Panel("Lupa").min);
        if (word == "Lupa" && Collapsed(Panel("Vstup"))) ImageVstupMinClick(Panel("Vstup").min);
        SetHeight(panel, bar->height());
      }
    }
  }
  const ToolPanel& vystup = Panel("Vystup");
  SetHeight(Panel1, ImageSpodok->Picture().Height() + vystup.panel->y() + vystup.panel->height());
}

void TMainZorna::NastavVelkosti() {
  const int n = LeadingNumber(ComboBox1);
  ToolPanel& vstup = Panel("Vstup");
  ToolPanel& vystup = Panel("Vystup");
  ToolPanel& lupa = Panel("Lupa");
  ToolPanel& podklad = Panel("Podklad");
  if (!Collapsed(vstup)) SetHeight(vstup.panel, std::max(32, n) + vstup.hlavicka->height() + 18);
  if (!Collapsed(vystup)) SetHeight(vystup.panel, std::max(32, n) + vystup.hlavicka->height() + 18);
  if (!Collapsed(lupa)) SetHeight(lupa.panel, lupa.hlavicka->height() + Image3->width() + 18);
  if (!Collapsed(podklad))
    SetHeight(podklad.panel, podklad.hlavicka->height() + ComboBoxEx1->width() + 18);
  SetWidth(PanelOkna, std::max(75, std::max(Image3->width(), n)) + 95);
  SetWidth(Panel1, PanelOkna->width() + Panel6->width());
}

void TMainZorna::Timer1Timer() {
  const int32_t position = zorna::PostupPozicia;
  if (position == -1) return;
  for (auto [overlay, bar] :
       {std::pair{PanelTajneMenu, ProgressBar1}, std::pair{Working, ProgressBar2}}) {
    if (overlay->isHidden()) continue;
    bar->setMaximum(zorna::PostupMaximum);
    bar->setValue(position);
    bar->repaint();
  }
}

void TMainZorna::FormResize() {
  if (!BtnLeft || !Panel1) return;  // resizes while the controls are being built
  if (!BtnLeft->isHidden()) BtnRightClick(nullptr);
  // The delivered gallery update ("Data/zorna.mk") is installed here once the gallery exists.
}

}  // namespace zorna::app
