#include "app/platform/paint_program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace zorna::app {
namespace {

constexpr const char* kKnownPrograms[] = {"kolourpaint", "mtpaint", "pinta", "gimp"};

QString HowToName() {
  return QCoreApplication::translate(
      "PaintProgram",
      "Premennou prostredia ZORNA_PAINT môžete určiť program, ktorým sa má obrázok upravovať "
      "(jeho názov alebo cestu k nemu).");
}

// A program that hands its file to a window already open and ends at once cannot be waited
// for: such programs are started as an instance of their own.
QStringList OwnInstanceArguments(const QString& program) {
  const QString name = QFileInfo(program).fileName();
  if (name == "gimp" || name.startsWith("gimp-")) return {"--new-instance"};
  return {};
}

QString Resolve(const QString& name) {
  if (name.contains('/')) {
    const QFileInfo info(name);
    return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
  }
  return QStandardPaths::findExecutable(name);
}

// Drops the user's input to every window of the program while it waits.
class InputHold : public QObject {
 public:
  InputHold() { QCoreApplication::instance()->installEventFilter(this); }
  ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
      case QEvent::DragEnter:
      case QEvent::Drop:
      case QEvent::Close:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

PaintProgram FindPaintProgram() {
  PaintProgram paint;
  const QString named = qEnvironmentVariable("ZORNA_PAINT");
  if (!named.isEmpty()) {
    paint.program = Resolve(named);
    if (paint.program.isEmpty()) {
      paint.problem = QCoreApplication::translate(
                          "PaintProgram",
                          "Program na úpravu obrázkov „%1“ z premennej prostredia ZORNA_PAINT "
                          "sa nenašiel alebo sa nedá spustiť.\n")
                          .arg(named) +
                      HowToName();
    }
  } else {
    for (const char* name : kKnownPrograms) {
      paint.program = Resolve(name);
      if (!paint.program.isEmpty()) break;
    }
    if (paint.program.isEmpty()) {
      paint.problem = QCoreApplication::translate(
                          "PaintProgram",
                          "Nenašiel sa žiadny program na úpravu obrázkov (kolourpaint, mtpaint, "
                          "pinta ani gimp). Nainštalujte niektorý z nich.\n") +
                      HowToName();
    }
  }
  paint.arguments = OwnInstanceArguments(paint.program);
  return paint;
}

QString EditInPaintProgram(const PaintProgram& paint, const QString& file) {
  QProcess process;
  process.setProgram(paint.program);
  process.setArguments(paint.arguments + QStringList{file});
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.setStandardInputFile(QProcess::nullDevice());
  const InputHold hold;
  process.start();
  if (!process.waitForStarted(-1)) {
    return QCoreApplication::translate("PaintProgram",
                                       "Program na úpravu obrázkov „%1“ sa nepodarilo spustiť.\n")
               .arg(paint.program) +
           HowToName();
  }
  QEventLoop loop;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  if (process.state() != QProcess::NotRunning) loop.exec();
  // How it ended says nothing: the picture it left decides, and reading it tells.
  return {};
}

}  // namespace zorna::app
