// The main window's shell: it runs each concern's set-up in order, finds controls and actions
// by name and forwards the window's own events to the handlers.
#include "app/main_window/main_zorna.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

#include "app/main_window/hidden_focus.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/popup_keys.h"

namespace zorna::app {
namespace {

// Depth first through this window's own controls; a child window (a dialog) is another form.
QWidget* FindOwnControl(const QWidget* parent, const QString& name) {
  for (QObject* child : parent->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget->isWindow()) continue;
    if (widget->objectName() == name) return widget;
    if (QWidget* found = FindOwnControl(widget, name)) return found;
  }
  return nullptr;
}

}  // namespace

TMainZorna::TMainZorna(Dialogs& dialogs)
    : dialogs_(dialogs), d(std::make_unique<MainZornaParts>()) {
  setObjectName("MainZorna");
  setWindowTitle("Zorna");
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  QFont font = this->font();
  font.setPointSize(8);
  setFont(font);
  // Bottom to top: the screen picture, the container with the strip and the column, the
  // panels' contents, then the overlays that lie above everything.
  SetUpScreen();
  SetUpContainer();
  SetUpStrip();
  SetUpColumn();
  SetUpInputPanel();
  SetUpMagnifierPanel();
  SetUpBackgroundPanel();
  SetUpResultPanel();
  SetUpPlacement();
  SetUpEditing();
  SetUpPictureIn();
  SetUpResultDrag();
  // The library, its search bar and menu and the maintenance panel are made when first opened.
  SetUpLibraryOpening();
  SetUpGalleryUpdate();
  SetUpMaintenanceKey();
  SetUpStartup();
  new PopupKeysFirst(this);
  new HiddenControlsLetGo(this);
}

TMainZorna::~TMainZorna() {
  // Controls hidden while the window goes have no keyboard to give back.
  delete findChild<HiddenControlsLetGo*>(QString(), Qt::FindDirectChildrenOnly);
  // The search box reports losing the keyboard to the window's handlers, which need the
  // window's actions: it goes while they are still there.
  delete d->Edit2;
  // The rest go while the parts they are reached through are still here: a control that reports
  // as it goes reaches the handlers.
  for (const QPointer<QObject>& child :
       QList<QPointer<QObject>>(children().begin(), children().end()))
    delete child.data();
}

QWidget* TMainZorna::Control(const QString& name) const {
  if (objectName() == name) return const_cast<TMainZorna*>(this);
  if (QWidget* found = FindOwnControl(this, name)) return found;
  throw std::logic_error("the main window has no control named " + name.toStdString());
}

ToolPanel& MainZornaParts::Panel(const QString& word) {
  for (ToolPanel& p : panels) {
    if (p.word == word) return p;
  }
  throw std::logic_error("the main window has no tool panel " + word.toStdString());
}

MainZornaParts& PartsOf(TMainZorna& window) {
  return *window.d;
}

const WindowState& TMainZorna::State() const {
  return d->state;
}

BackgroundLists& TMainZorna::Backgrounds() {
  return d->backgrounds;
}

bool TMainZorna::BackgroundListIsSmall() const {
  return d->background_list_small;
}

QShortcut* TMainZorna::Action(const QString& name) const {
  if (QShortcut* action = d->actions.value(name, nullptr)) return action;
  throw std::logic_error("the main window has no action " + name.toStdString());
}

QShortcut* TMainZorna::AddAction(const char* name, const char* keys, const char* handler_name,
                                 std::function<void()> handler) {
  auto* shortcut = new QShortcut(QKeySequence(keys), this);
  shortcut->setObjectName(name);
  shortcut->setContext(Qt::ApplicationShortcut);
  if (handler) Wire(shortcut, &QShortcut::activated, handler_name, std::move(handler));
  d->actions.insert(name, shortcut);
  return shortcut;
}

bool TMainZorna::Docked() const {
  return d->state.docked_right;
}

void TMainZorna::closeEvent(QCloseEvent* event) {
  if (!d->closing_done) {
    d->closing_done = true;
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
  GiveStandardIcons();
  ComboBox1Change(this);
}

// ZORNA_REPORT_FIRST_PAINT=1 makes the program say "painted" once its window has been drawn and
// end at once: the start-up benchmark measures the time to that line.
void TMainZorna::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (d->painted) return;
  d->painted = true;
  if (d->update_after_first_paint) QTimer::singleShot(0, this, [this] { FormResize(); });
  if (qEnvironmentVariableIntValue("ZORNA_REPORT_FIRST_PAINT") == 1) {
    QTimer::singleShot(0, this, [] {
      std::fputs("painted\n", stdout);
      std::fflush(stdout);
      QCoreApplication::exit(0);
    });
  }
}

}  // namespace zorna::app
