#include "app/shell/main_zorna.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace zorna::app {

TMainZorna::TMainZorna() {
  setObjectName("MainZorna");
  setWindowTitle("Zorna");
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  QFont font = this->font();
  font.setPointSize(8);
  setFont(font);
  BuildFrame();
  for (int i = 0; i < kBackgroundCount; ++i) ComboBoxEx1->addItem(QString());
  FillBackgroundList(true);
  ConnectSelection();
}

TMainZorna::~TMainZorna() = default;

QWidget* TMainZorna::Control(const QString& name) const {
  if (objectName() == name) return const_cast<TMainZorna*>(this);
  return findChild<QWidget*>(name);
}

ToolPanel& TMainZorna::Panel(const QString& word) {
  for (ToolPanel& p : panels) {
    if (p.word == word) return p;
  }
  return panels[0];
}

QShortcut* TMainZorna::Action(const QString& name) const {
  return actions_.value(name, nullptr);
}

bool TMainZorna::Docked() const {
  return !BtnLeft->isHidden();
}

void TMainZorna::closeEvent(QCloseEvent* event) {
  if (!closing_done_) {
    closing_done_ = true;
    FormClose();
  }
  event->accept();
}

void TMainZorna::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TMainZorna::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ComboBox1Change(this);
}

}  // namespace zorna::app

namespace zorna::app {

// ZORNA_REPORT_FIRST_PAINT=1 makes the program say "painted" once its window has been drawn and
// end at once: the start-up benchmark measures the time to that line.
void TMainZorna::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (painted_) return;
  painted_ = true;
  if (qEnvironmentVariableIntValue("ZORNA_REPORT_FIRST_PAINT") == 1) {
    QTimer::singleShot(0, this, [] {
      std::fputs("painted\n", stdout);
      std::fflush(stdout);
      QCoreApplication::exit(0);
    });
  }
}

}  // namespace zorna::app
